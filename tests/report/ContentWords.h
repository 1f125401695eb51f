// The words of our texts as a reader compares them: lower-cased content words, the small
// words and the fixed paragraph openings set aside. Shared by the tests of repeated phrases.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vorel {

// The fixed openings of catalogue paragraphs; they are the same in every section.
extern const std::vector<std::string_view> kFixedPrefixes;

// Articles, pronouns, determiners, prepositions, conjunctions, auxiliaries and the like.
const std::set<std::string>& SmallWords();

// The content words of one paragraph, lower-cased, its fixed prefix set aside.
std::vector<std::string> ContentWords(std::string_view paragraph);

// Every run of four consecutive content words of the paragraphs, each once, sorted.
std::vector<std::string> FourWordRuns(const std::vector<std::string>& paragraphs);

}  // namespace vorel
