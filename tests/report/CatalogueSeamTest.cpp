// What a reader notices when the same words come back. The seam rule of the report: in no
// report composed from the catalogues does a run of four consecutive content words appear in
// two different sections. Sections: the motivation, realisation, expression and path texts,
// and the synthesis (its first and second key together). Every combination of the four
// numbers in {1..9, 11, 22} is composed. And within a catalogue: no stock opening, no stock
// closing formula.
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

#include "numerology/Numbers.h"
#include "report/Catalogue.h"
#include "report/ContentWords.h"

namespace vorel {
namespace {

// A section: its name for the messages and its runs of four content words, sorted.
struct Section {
  std::string name;
  std::vector<std::string> runs;
};

Section MakeSection(CatalogueId id, const std::vector<std::string>& keys, std::string name) {
  std::vector<std::string> paragraphs;
  for (const std::string& key : keys)
    for (const std::string& paragraph : FindCatalogueText(id, key)) paragraphs.push_back(paragraph);
  return Section{std::move(name), FourWordRuns(paragraphs)};
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

// The runs of `length` consecutive words of a paragraph, digits and number words set aside.
std::set<std::string> WordRuns(std::string_view paragraph, size_t length) {
  const std::vector<std::string> words = Words(paragraph);
  std::set<std::string> runs;
  for (size_t i = 0; i + length <= words.size(); ++i) {
    std::string run = words[i];
    for (size_t j = 1; j < length; ++j) run += ' ' + words[i + j];
    runs.insert(run);
  }
  return runs;
}

// The first three words of a text, and of what follows its « Chez vous, » if it starts so.
std::vector<std::string> Openings(std::string_view first) {
  std::vector<std::string> openings;
  const auto add = [&](std::string_view start) {
    const std::vector<std::string> words = Words(start);
    if (words.size() >= 3) openings.push_back(words[0] + ' ' + words[1] + ' ' + words[2]);
  };
  add(first);
  constexpr std::string_view kChezVous = "Chez vous, ";
  if (first.starts_with(kChezVous)) add(first.substr(kChezVous.size()));
  return openings;
}

// The last sentence of a paragraph: what follows its last inner ". ", "! " or "? ".
std::string_view FinalSentence(std::string_view paragraph) {
  size_t start = 0;
  for (std::string_view end : {". ", "! ", "? "}) {
    const size_t at = paragraph.rfind(end);
    if (at != std::string_view::npos) start = std::max(start, at + end.size());
  }
  return paragraph.substr(start);
}

// Who shares a run of words: the run and the texts (or paragraphs) that hold it.
using Holders = std::map<std::string, std::vector<std::string>>;

std::string Offenders(const Holders& holders, size_t allowed) {
  std::ostringstream out;
  for (const auto& [run, who] : holders)
    if (who.size() > allowed) {
      out << "\n  \"" << run << "\":";
      for (const std::string& name : who) out << ' ' << name;
    }
  return out.str();
}

// A reader who meets « Au premier abord » or « Le 7, votre chemin de vie » at the head of
// one text after another takes the catalogue for a form. No two texts of a catalogue open on
// the same three words, at the start or after a leading « Chez vous, ».
TEST(CatalogueSeam, NoTwoTextsOfACatalogueOpenOnTheSameThreeWords) {
  EXPECT_EQ(Openings("Le 7, votre chemin de vie"), (std::vector<std::string>{"le votre chemin"}));
  EXPECT_EQ(Openings("Chez vous, l'idéal a deux faces"),
            (std::vector<std::string>{"chez vous l", "l idéal a"}));
  for (CatalogueId id : kAllCatalogues) {
    Holders holders;
    for (const std::string& key : CatalogueKeys(id))
      for (const std::string& opening : Openings(FindCatalogueText(id, key).front()))
        holders[opening].push_back(key);
    const std::string offenders = Offenders(holders, 1);
    EXPECT_TRUE(offenders.empty()) << CatalogueName(id) << ": texts open alike:" << offenders;
  }
}

// A closing formula (« … : votre X n'en sera que plus Y. ») heard at the end of text after
// text becomes a tic. No run of four words stands in the last sentence of more than two texts
// of a catalogue, or of more than two paragraphs of one text.
TEST(CatalogueSeam, NoClosingFormulaEndsMoreThanTwoTextsOrParagraphs) {
  EXPECT_EQ(FinalSentence("Prenez le temps. Gardez-la ouverte : elle n'en sera que plus juste."),
            "Gardez-la ouverte : elle n'en sera que plus juste.");
  EXPECT_EQ(WordRuns("Le 8 n'en sera que plus juste.", 4),
            (std::set<std::string>{"le n en sera", "n en sera que", "en sera que plus",
                                   "sera que plus juste"}));
  for (CatalogueId id : kAllCatalogues) {
    Holders texts;
    for (const std::string& key : CatalogueKeys(id)) {
      const auto paragraphs = FindCatalogueText(id, key);
      for (const std::string& run : WordRuns(FinalSentence(paragraphs.back()), 4))
        texts[run].push_back(key);
      Holders inText;
      for (size_t i = 0; i < paragraphs.size(); ++i)
        for (const std::string& run : WordRuns(FinalSentence(paragraphs[i]), 4))
          inText[run].push_back(key + "#" + std::to_string(i + 1));
      const std::string offenders = Offenders(inText, 2);
      EXPECT_TRUE(offenders.empty())
          << CatalogueName(id) << " " << key << ": paragraphs end alike:" << offenders;
    }
    const std::string offenders = Offenders(texts, 2);
    EXPECT_TRUE(offenders.empty()) << CatalogueName(id) << ": texts end alike:" << offenders;
  }
}

}  // namespace
}  // namespace vorel
