// The catalogues of interpretive texts, compiled into the program: the five of the report,
// the thème's and the two-person report's.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorel {

enum class CatalogueId { Motivation, Realisation, Expression, Path, Synthesis, Theme, Couple };

// The five catalogues of the report, loaded at start-up in this order. The thème's and the
// couple's load on first use.
constexpr CatalogueId kAllCatalogues[] = {CatalogueId::Motivation, CatalogueId::Realisation,
                                          CatalogueId::Expression, CatalogueId::Path,
                                          CatalogueId::Synthesis};

const char* CatalogueName(CatalogueId id);  // "motivation", "realisation", … "couple"

// Builds the catalogue's index from the compiled text. The start-up does it for each
// catalogue in turn; a lookup does it on first use when nobody did.
void LoadCatalogue(CatalogueId id);

// The text's paragraphs in stored order; empty when the catalogue holds no text under the
// key. Keys compare without regard to ASCII case; an empty key finds nothing.
std::span<const std::string> FindCatalogueText(CatalogueId id, std::string_view key);

// Every key of a catalogue, in stored order.
std::vector<std::string> CatalogueKeys(CatalogueId id);

// "Memo" and the number in decimal: the key of a single-number text.
std::string NumberKey(int number);

}  // namespace vorel
