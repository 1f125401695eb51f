// Content words of our texts.
#include "report/ContentWords.h"

#include <iterator>
#include <sstream>

#include "base/Cp1252.h"

namespace vorel {
namespace {
// Letters are ASCII letters, the Latin-1 letters and œ, Œ; capitals are lowered.
bool LowerLetter(char32_t& c) {
  if (c >= 'a' && c <= 'z') return true;
  if (c >= 'A' && c <= 'Z') return c += 'a' - 'A', true;
  if (c >= 0xDF && c <= 0xFF && c != 0xF7) return true;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c += 0x20, true;
  if (c == 0x153) return true;
  if (c == 0x152) return c = 0x153, true;
  return false;
}

}  // namespace

const std::vector<std::string_view> kFixedPrefixes = {
    "POINTS FAIBLES A DEPASSER.",
    "Dans le sens le plus négatif",
    "Les domaines qui vous conviennent le mieux",
    "Points forts :",
    "Points faibles :",
};

// The small words set aside: articles, pronouns, possessive and demonstrative determiners,
// prepositions, conjunctions, the forms of the auxiliaries être and avoir, negation and the
// small adverbs of degree, and the indefinite determiners. Elided forms ("l'", "qu'") are
// split at the apostrophe, so "l" and "qu" appear here. "là", "où" and "autres" stay content
// words: "là où les autres rêvent" is a run of four.
const std::set<std::string>& SmallWords() {
  static const std::set<std::string> words = [] {
    std::istringstream list(
        "le la les l un une des du de d au aux "
        "je j tu il ils elle elles on nous vous me m te t se s lui leur leurs y en eux moi toi "
        "soi ce c cet cette ces ceci cela ça celui celle ceux celles "
        "mon ma mes ton ta tes son sa ses notre nos votre vos "
        "qui que qu quoi dont lequel laquelle lesquels lesquelles auquel duquel "
        "à dans par pour sur sous avec sans entre vers chez contre depuis pendant avant après "
        "selon jusqu jusque dès hors parmi malgré envers outre "
        "et ou mais donc or ni car quand comme si lorsque lorsqu puisque puisqu quoique quoiqu "
        "ne n pas plus moins très trop peu aussi tant tout toute tous toutes même mêmes déjà "
        "encore "
        "est sont suis es sommes êtes était étaient sera seront serait seraient soit soient été "
        "être étant ai as a avons avez ont avait avaient aura auront aurait auraient ait aient "
        "eu avoir ayant "
        "chaque quelque quelques certains certaines plusieurs aucun aucune nul nulle rien "
        "chacun chacune");
    return std::set<std::string>(std::istream_iterator<std::string>(list), {});
  }();
  return words;
}

namespace {

// The words of one paragraph, lower-cased, its fixed prefix set aside, each one kept when
// keep() says so.
template <typename Keep>
std::vector<std::string> SplitWords(std::string_view paragraph, Keep keep) {
  for (std::string_view prefix : kFixedPrefixes)
    if (paragraph.substr(0, prefix.size()) == prefix) {
      paragraph.remove_prefix(prefix.size());
      break;
    }
  std::vector<std::string> words;
  std::string word;
  auto endWord = [&] {
    if (!word.empty() && keep(word)) words.push_back(word);
    word.clear();
  };
  size_t pos = 0;
  while (pos < paragraph.size()) {
    char32_t c = DecodeUtf8(paragraph, pos).value_or(U' ');
    if (LowerLetter(c))
      AppendUtf8(word, c);
    else
      endWord();  // spaces, digits, punctuation, apostrophes and hyphens end a word
  }
  endWord();
  return words;
}

}  // namespace

std::vector<std::string> ContentWords(std::string_view paragraph) {
  return SplitWords(paragraph, [](const std::string& w) { return !SmallWords().count(w); });
}

// Number words name the number a text is about; "vingt-deux" splits into two of them.
const std::set<std::string>& NumberWords() {
  static const std::set<std::string> words = {"zéro", "deux",  "trois", "quatre", "cinq",
                                              "six",  "sept",  "huit",  "neuf",   "dix",
                                              "onze", "douze", "vingt"};
  return words;
}

std::vector<std::string> Words(std::string_view paragraph) {
  return SplitWords(paragraph, [](const std::string& w) { return !NumberWords().count(w); });
}

std::vector<std::string> FourWordRuns(const std::vector<std::string>& paragraphs) {
  std::set<std::string> runs;
  for (const std::string& paragraph : paragraphs) {
    const auto words = ContentWords(paragraph);
    for (size_t i = 0; i + 4 <= words.size(); ++i)
      runs.insert(words[i] + ' ' + words[i + 1] + ' ' + words[i + 2] + ' ' + words[i + 3]);
  }
  return {runs.begin(), runs.end()};
}

}  // namespace vorel
