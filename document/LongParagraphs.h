// Paragraphs short enough to lay out: a text control's layout time grows with the square of a
// paragraph's length, so an opened file's very long paragraphs are cut.
#pragma once

#include <cstddef>

#include "document/RichDocument.h"

namespace vorel {

// In code points.
constexpr size_t kMaxParagraphLength = 10'000;

// Cuts every paragraph longer than kMaxParagraphLength into paragraphs of its format, each
// ending after the last space within that length, or at the length itself where there is
// none. Every character stays, in order, in its run's format: only paragraph ends are added,
// and no more than the readers' limits on paragraphs and runs allow. True when it cut any.
bool SplitLongParagraphs(RichDocument& document);

}  // namespace vorel
