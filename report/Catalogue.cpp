// Catalogue index and lookup over the texts compiled in from report/texts.
#include "report/Catalogue.h"

#include "base/AsciiCase.h"

#include <algorithm>
#include <array>
#include <memory>

namespace vorel {
namespace texts {
extern const std::string_view kMotivation, kRealisation, kExpression, kPath, kSynthesis, kTheme,
    kCouple;
}

namespace {

struct Text {
  std::string key;
  std::string lowerKey;
  std::vector<std::string> paragraphs;
};

// One text file: "[Key]" lines start a text, each other non-empty line is a paragraph,
// lines starting with '#' are comments.
std::vector<Text> Parse(std::string_view source) {
  std::vector<Text> texts;
  size_t pos = 0;
  while (pos < source.size()) {
    size_t end = source.find('\n', pos);
    if (end == std::string_view::npos) end = source.size();
    std::string_view line = source.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string_view key = line.substr(1, line.size() - 2);
      texts.push_back(Text{std::string(key), AsciiLowered(key), {}});
    } else if (!texts.empty()) {
      texts.back().paragraphs.emplace_back(line);
    }
  }
  return texts;
}

std::string_view Source(CatalogueId id) {
  switch (id) {
    case CatalogueId::Motivation:
      return texts::kMotivation;
    case CatalogueId::Realisation:
      return texts::kRealisation;
    case CatalogueId::Expression:
      return texts::kExpression;
    case CatalogueId::Path:
      return texts::kPath;
    case CatalogueId::Synthesis:
      return texts::kSynthesis;
    case CatalogueId::Theme:
      return texts::kTheme;
    case CatalogueId::Couple:
      return texts::kCouple;
  }
  return {};
}

constexpr size_t kCatalogueCount = static_cast<size_t>(CatalogueId::Couple) + 1;

std::array<std::unique_ptr<std::vector<Text>>, kCatalogueCount>& Loaded() {
  static std::array<std::unique_ptr<std::vector<Text>>, kCatalogueCount> loaded;
  return loaded;
}

const std::vector<Text>& Get(CatalogueId id) {
  auto& slot = Loaded()[static_cast<size_t>(id)];
  if (!slot) slot = std::make_unique<std::vector<Text>>(Parse(Source(id)));
  return *slot;
}

}  // namespace

const char* CatalogueName(CatalogueId id) {
  switch (id) {
    case CatalogueId::Motivation:
      return "motivation";
    case CatalogueId::Realisation:
      return "realisation";
    case CatalogueId::Expression:
      return "expression";
    case CatalogueId::Path:
      return "path";
    case CatalogueId::Synthesis:
      return "synthesis";
    case CatalogueId::Theme:
      return "theme";
    case CatalogueId::Couple:
      return "couple";
  }
  return "";
}

void LoadCatalogue(CatalogueId id) {
  Get(id);
}

std::span<const std::string> FindCatalogueText(CatalogueId id, std::string_view key) {
  if (key.empty()) return {};
  const std::string lower = AsciiLowered(key);
  for (const Text& text : Get(id))
    if (text.lowerKey == lower) return text.paragraphs;
  return {};
}

std::vector<std::string> CatalogueKeys(CatalogueId id) {
  std::vector<std::string> keys;
  for (const Text& text : Get(id)) keys.push_back(text.key);
  return keys;
}

std::string NumberKey(int number) {
  return "Memo" + std::to_string(number);
}

}  // namespace vorel
