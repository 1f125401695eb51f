// The whole catalogue against its fixed structure: keys, paragraph counts and shapes,
// sizes and characters; and the lookup rules.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "base/Cp1252.h"
#include "report/Catalogue.h"

namespace vorel {
namespace {

// Paragraph kinds: P portrait or free text, W weak points ("POINTS FAIBLES A DEPASSER."),
// N most negative form, D fields of work, F strengths, f weaknesses.
using Shapes = std::map<std::string, std::string>;

const Shapes kMotiv = {{"Memo1", "P"},  {"Memo2", "P"},   {"Memo3", "P"},  {"Memo4", "P"},
                       {"Memo5", "P"},  {"Memo6", "P"},   {"Memo7", "PP"}, {"Memo8", "PP"},
                       {"Memo9", "PP"}, {"Memo11", "PP"}, {"Memo22", "P"}};
const Shapes kReal = {{"Memo1", "P"}, {"Memo2", "P"},  {"Memo3", "P"}, {"Memo4", "P"},
                      {"Memo5", "P"}, {"Memo6", "P"},  {"Memo7", "P"}, {"Memo8", "P"},
                      {"Memo9", "P"}, {"Memo11", "P"}, {"Memo22", "P"}};
const Shapes kExp = {{"Memo1", "PPW"}, {"Memo2", "PPW"}, {"Memo3", "PWP"}, {"Memo4", "PW"},
                     {"Memo5", "PW"},  {"Memo6", "PW"},  {"Memo7", "PW"},  {"Memo8", "PW"},
                     {"Memo9", "PW"},  {"Memo11", "PW"}, {"Memo22", "PW"}};
const Shapes kChem = {{"Memo1", "PW"}, {"Memo2", "PW"},  {"Memo3", "PW"},  {"Memo4", "PW"},
                      {"Memo5", "PW"}, {"Memo6", "PW"},  {"Memo7", "PWN"}, {"Memo8", "PPPWN"},
                      {"Memo9", "PW"}, {"Memo11", "PW"}, {"Memo22", "PW"}};

Shapes SynthShapes() {
  Shapes s;
  for (const char* k :
       {"0101",   "0103",   "0105",   "0106",   "0107",   "0108",   "0109",   "0303",   "0304",
        "0306",   "0307",   "0308",   "0309",   "0505",   "0506",   "0507",   "0508",   "0509",
        "0607",   "0608",   "0609",   "0708",   "0709",   "0808",   "0809",   "0909",   "010211",
        "010422", "020211", "020422", "020511", "020611", "020711", "020811", "020911", "030422",
        "040422", "040622", "040722", "040822", "040922"})
    s[std::string("Memo") + k] = "PDFf";
  for (const char* k : {"0102", "0104", "0202", "0204", "0205", "0206", "0207", "0208", "0209",
                        "0404", "0405", "0406", "0407", "0408", "0409", "020411"})
    s[std::string("Memo") + k] = "P";
  s["Memo0203"] = "PD";
  s["Memo040522"] = "PD";
  s["Memo0606"] = "PFf";
  s["Memo020311"] = "PFf";
  s["Memo0707"] = "PDF";
  s["Memo0305"] = "PDFfPDFf";
  return s;
}

// The letters Windows-1252 holds outside Latin-1: ƒ Š Œ Ž š œ ž Ÿ (0x83 to 0x9F).
constexpr std::u32string_view kCp1252Letters = U"\u0192\u0160\u0152\u017D\u0161\u0153\u017E\u0178";

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

char Kind(std::string_view p) {
  if (StartsWith(p, "POINTS FAIBLES A DEPASSER.")) return 'W';
  if (StartsWith(p, "Dans le sens le plus négatif")) return 'N';
  if (StartsWith(p, "Les domaines qui vous conviennent le mieux")) return 'D';
  if (StartsWith(p, "Points forts :")) return 'F';
  if (StartsWith(p, "Points faibles :")) return 'f';
  return 'P';
}

size_t CodePoints(std::string_view s) {
  size_t n = 0;
  for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

TEST(Catalogue, EveryTextHasItsKeyAndShapeAndNothingElse) {
  const std::pair<CatalogueId, Shapes> catalogues[] = {{CatalogueId::Motivation, kMotiv},
                                                       {CatalogueId::Realisation, kReal},
                                                       {CatalogueId::Expression, kExp},
                                                       {CatalogueId::Path, kChem},
                                                       {CatalogueId::Synthesis, SynthShapes()}};
  size_t total = 0, longest = 0;
  for (const auto& [id, shapes] : catalogues) {
    const auto keys = CatalogueKeys(id);
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size())
        << CatalogueName(id) << ": a key appears twice";
    EXPECT_EQ(keys.size(), shapes.size()) << CatalogueName(id);
    for (const auto& key : keys)
      EXPECT_TRUE(shapes.count(key)) << CatalogueName(id) << " holds an unknown key " << key;
    for (const auto& [key, shape] : shapes) {
      std::string kinds;
      for (const std::string& p : FindCatalogueText(id, key)) {
        kinds += Kind(p);
        total += CodePoints(p);
        longest = std::max(longest, CodePoints(p));
        EXPECT_FALSE(p.empty());
        EXPECT_LE(CodePoints(p), 4096u) << key;
        EXPECT_EQ(p.find_first_of("\r\n\t"), std::string::npos) << key;
        EXPECT_TRUE(IsValidUtf8(p)) << key;
        // Every character has a byte in the code page and is printable ASCII, Latin-1 or one
        // of the code page's own letters.
        size_t pos = 0;
        while (pos < p.size()) {
          const auto cp = DecodeUtf8(p, pos);
          ASSERT_TRUE(cp.has_value()) << key;
          EXPECT_TRUE(UnicodeToCp1252(*cp) && *cp >= 0x20 &&
                      (*cp < 0x7F || (*cp >= 0xA0 && *cp <= 0xFF) ||
                       kCp1252Letters.find(*cp) != std::u32string_view::npos))
              << CatalogueName(id) << " " << key << ": U+" << std::hex
              << static_cast<uint32_t>(*cp);
        }
      }
      EXPECT_EQ(kinds, shape) << CatalogueName(id) << " " << key;
    }
  }
  EXPECT_GE(total, 100000u);
  EXPECT_LE(total, 135000u);
  EXPECT_GT(longest, 1000u);  // a long paragraph comes back whole
}

// French sets a non-breaking space before « : », « ; », « ! » and « ? », so that a line never
// starts with one. Only the fixed openings keep the ordinary space they were given. The
// thème's and the two-person report's texts, which the start-up does not load, too.
TEST(Catalogue, ANonBreakingSpaceStandsBeforeEveryDoublePunctuationMark) {
  constexpr std::string_view kNoBreak = "\u00A0";
  for (CatalogueId id :
       {CatalogueId::Motivation, CatalogueId::Realisation, CatalogueId::Expression,
        CatalogueId::Path, CatalogueId::Synthesis, CatalogueId::Theme, CatalogueId::Couple})
    for (const std::string& key : CatalogueKeys(id))
      for (std::string_view p : FindCatalogueText(id, key)) {
        for (std::string_view prefix : {"Points forts :", "Points faibles :"})
          if (StartsWith(p, prefix)) p.remove_prefix(prefix.size());
        for (size_t at = p.find_first_of(":;!?"); at != std::string_view::npos;
             at = p.find_first_of(":;!?", at + 1))
          EXPECT_TRUE(at >= kNoBreak.size() &&
                      p.substr(at - kNoBreak.size(), kNoBreak.size()) == kNoBreak)
              << CatalogueName(id) << " " << key << ": «"
              << p.substr(at >= 30 ? at - 30 : 0, std::min<size_t>(at, 30) + 1) << "»";
      }
}

TEST(Catalogue, Lookup) {
  const struct {
    CatalogueId id;
    const char* key;
    size_t paragraphs;
  } cases[] = {
      {CatalogueId::Motivation, "Memo0", 0},     {CatalogueId::Synthesis, "Memo0505", 4},
      {CatalogueId::Synthesis, "Memo030422", 4}, {CatalogueId::Synthesis, "Memo040422", 4},
      {CatalogueId::Synthesis, "Memo020422", 4}, {CatalogueId::Synthesis, "Memo0305", 8},
      {CatalogueId::Synthesis, "Memo0102", 1},   {CatalogueId::Motivation, "Memo7", 2},
      {CatalogueId::Realisation, "Memo7", 1},    {CatalogueId::Expression, "Memo7", 2},
      {CatalogueId::Path, "Memo7", 3},           {CatalogueId::Motivation, "memo7", 2},
      {CatalogueId::Path, "MEMO8", 5},           {CatalogueId::Motivation, "", 0},
      {CatalogueId::Motivation, "Memo07", 0},    {CatalogueId::Motivation, "Memo7 ", 0},
      {CatalogueId::Motivation, "[Memo7]", 0},   {CatalogueId::Motivation, "Memo1", 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FindCatalogueText(c.id, c.key).size(), c.paragraphs)
        << CatalogueName(c.id) << " " << c.key;
  // The same key reaches different texts in different catalogues.
  EXPECT_NE(FindCatalogueText(CatalogueId::Motivation, "Memo7")[0],
            FindCatalogueText(CatalogueId::Expression, "Memo7")[0]);
}

}  // namespace
}  // namespace vorel
