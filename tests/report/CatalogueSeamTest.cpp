// The seam rule of the report: in no report composed from the catalogues does a run of four
// consecutive content words appear in two different sections. Sections: the motivation,
// realisation, expression and path texts, and the synthesis (its first and second key
// together). Every combination of the four numbers in {1..9, 11, 22} is composed.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "base/Cp1252.h"
#include "numerology/Numbers.h"
#include "report/Catalogue.h"

namespace vorel {
namespace {

// The fixed openings of catalogue paragraphs; they are the same in every section.
constexpr std::string_view kFixedPrefixes[] = {
    "POINTS FAIBLES A DEPASSER.",
    "Dans le sens le plus négatif",
    "Les domaines qui vous conviennent le mieux",
    "Les domaines qui conviennent le mieux",
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

// The content words of one paragraph, lower-cased, its fixed prefix set aside.
std::vector<std::string> ContentWords(std::string_view paragraph) {
  for (std::string_view prefix : kFixedPrefixes)
    if (paragraph.substr(0, prefix.size()) == prefix) {
      paragraph.remove_prefix(prefix.size());
      break;
    }
  std::vector<std::string> words;
  std::string word;
  auto endWord = [&] {
    if (!word.empty() && !SmallWords().count(word)) words.push_back(word);
    word.clear();
  };
  size_t pos = 0;
  while (pos < paragraph.size()) {
    char32_t c = DecodeUtf8(paragraph, pos).value_or(U' ');
    if (LowerLetter(c))
      AppendUtf8(word, c);
    else
      endWord();  // spaces, punctuation, apostrophes and hyphens end a word
  }
  endWord();
  return words;
}

// A section: its name for the messages and its runs of four content words, sorted.
struct Section {
  std::string name;
  std::vector<std::string> runs;
};

Section MakeSection(CatalogueId id, const std::vector<std::string>& keys, std::string name) {
  Section section{std::move(name), {}};
  std::set<std::string> runs;
  for (const std::string& key : keys) {
    for (const std::string& paragraph : FindCatalogueText(id, key)) {
      const auto words = ContentWords(paragraph);
      for (size_t i = 0; i + 4 <= words.size(); ++i)
        runs.insert(words[i] + ' ' + words[i + 1] + ' ' + words[i + 2] + ' ' + words[i + 3]);
    }
  }
  section.runs.assign(runs.begin(), runs.end());
  return section;
}

// Each section is built once, then each pair of sections is compared once.
class Seams {
 public:
  // keys: one text, or the synthesis's first and second key (the second may be empty).
  const Section& Get(CatalogueId id, const std::vector<std::string>& keys) {
    std::string name = CatalogueName(id);
    for (const auto& key : keys)
      if (!key.empty()) name += (&key == &keys.front() ? " " : " + ") + key;
    auto& slot = sections_[name];
    if (!slot) slot = std::make_unique<Section>(MakeSection(id, keys, name));
    return *slot;
  }

  struct Pair {
    std::vector<std::string> shared;
    int reports = 0;
  };

  Pair& Compare(const Section& a, const Section& b) {
    auto [it, added] = pairs_.try_emplace({&a, &b});
    if (added)
      std::set_intersection(a.runs.begin(), a.runs.end(), b.runs.begin(), b.runs.end(),
                            std::back_inserter(it->second.shared));
    return it->second;
  }

  const std::map<std::pair<const Section*, const Section*>, Pair>& Pairs() const { return pairs_; }

 private:
  std::map<std::string, std::unique_ptr<Section>> sections_;
  std::map<std::pair<const Section*, const Section*>, Pair> pairs_;
};

TEST(CatalogueSeam, NoRunOfFourContentWordsInTwoSectionsOfOneReport) {
  // The calibration examples of the rule.
  EXPECT_EQ(ContentWords("là où les autres rêvent"),
            (std::vector<std::string>{"là", "où", "autres", "rêvent"}));
  EXPECT_EQ(ContentWords("grand commerce, droit des affaires"),
            (std::vector<std::string>{"grand", "commerce", "droit", "affaires"}));
  EXPECT_EQ(ContentWords("Points forts : l'Œuvre d'À-côté"),
            (std::vector<std::string>{"œuvre", "côté"}));

  const int kNumbers[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22};
  constexpr int kCount = std::size(kNumbers);
  Seams seams;
  int broken = 0;
  for (int i = 0; i < kCount * kCount * kCount * kCount; ++i) {
    CoreNumbers n;
    n.Motivation = kNumbers[i % kCount];
    n.Realisation = kNumbers[i / kCount % kCount];
    n.Expression = kNumbers[i / kCount / kCount % kCount];
    n.Path = kNumbers[i / kCount / kCount / kCount];
    const Section* sections[] = {
        &seams.Get(CatalogueId::Motivation, {NumberKey(n.Motivation)}),
        &seams.Get(CatalogueId::Realisation, {NumberKey(n.Realisation)}),
        &seams.Get(CatalogueId::Expression, {NumberKey(n.Expression)}),
        &seams.Get(CatalogueId::Path, {NumberKey(n.Path)}),
        &seams.Get(CatalogueId::Synthesis, {FirstSynthesisKey(n), SecondSynthesisKey(n)}),
    };
    for (int a = 0; a < 5; ++a)
      for (int b = a + 1; b < 5; ++b) {
        Seams::Pair& pair = seams.Compare(*sections[a], *sections[b]);
        if (!pair.shared.empty()) ++broken, ++pair.reports;
      }
  }

  // The worst pairs first: the most shared runs, then by name.
  struct Worst {
    const Section* a;
    const Section* b;
    const Seams::Pair* pair;
  };
  std::vector<Worst> worst;
  for (const auto& [sections, pair] : seams.Pairs())
    if (!pair.shared.empty()) worst.push_back({sections.first, sections.second, &pair});
  std::sort(worst.begin(), worst.end(), [](const Worst& x, const Worst& y) {
    if (x.pair->shared.size() != y.pair->shared.size())
      return x.pair->shared.size() > y.pair->shared.size();
    return std::tie(x.a->name, x.b->name) < std::tie(y.a->name, y.b->name);
  });
  std::ostringstream message;
  message << broken << " section pairs of reports share a run of four content words ("
          << worst.size() << " pairs of texts); the worst:";
  for (size_t k = 0; k < worst.size() && k < 20; ++k)
    message << "\n  " << worst[k].pair->shared.size() << " runs, " << worst[k].pair->reports
            << " reports: " << worst[k].a->name << " / " << worst[k].b->name << ": \""
            << worst[k].pair->shared.front() << "\"";
  EXPECT_EQ(broken, 0) << message.str();
}

}  // namespace
}  // namespace vorel
