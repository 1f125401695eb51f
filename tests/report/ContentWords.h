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

// The number words ("deux", "onze", "vingt"), set aside with the digits when texts about
// different numbers are compared.
const std::set<std::string>& NumberWords();

// Every word of one paragraph, lower-cased, its fixed prefix, digits and number words set
// aside: "Le 7, votre chemin" and "Le 9, votre chemin" read alike.
std::vector<std::string> Words(std::string_view paragraph);

// Every run of four consecutive content words of the paragraphs, each once, sorted.
std::vector<std::string> FourWordRuns(const std::vector<std::string>& paragraphs);

}  // namespace vorel
