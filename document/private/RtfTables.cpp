// Font and colour table entries.
#include "document/private/RtfTables.h"

#include <algorithm>
#include <cstdint>

namespace vorel {

void RtfTables::StartFont(int number) {
  fontPending_ = true;
  fontNumber_ = number;
  fontName_.clear();
  fontCharsetCodePage_ = 0;
  fontCpg_ = 0;
}

void RtfTables::SetFontCharset(int charset) {
  fontCharsetCodePage_ = CodePageOfCharset(charset).value_or(0);
}

// \fcharset wins over \cpg, which wins over the document's code page.
CodePage RtfTables::PendingFontCodePage(CodePage documentCodePage) const {
  return fontCharsetCodePage_ ? fontCharsetCodePage_ : fontCpg_ ? fontCpg_ : documentCodePage;
}

void RtfTables::CommitFont() {
  fontPending_ = false;
  const size_t first = fontName_.find_first_not_of(' ');
  const size_t last = fontName_.find_last_not_of(' ');
  FontEntry entry;
  if (first != std::string::npos) entry.name = fontName_.substr(first, last - first + 1);
  entry.codePage = fontCharsetCodePage_ ? fontCharsetCodePage_ : fontCpg_;
  const auto [slot, added] = fontSlots_.emplace(fontNumber_, static_cast<int>(fonts_.size()));
  if (added)
    fonts_.push_back(std::move(entry));
  else
    fonts_[slot->second] = std::move(entry);
}

int RtfTables::FontSlot(int number) const {
  const auto found = fontSlots_.find(number);
  return found == fontSlots_.end() ? -1 : found->second;
}

void RtfTables::SetColorComponent(int component, int value) {
  const auto clamped = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
  if (component == 0)
    pendingColor_.red = clamped;
  else if (component == 1)
    pendingColor_.green = clamped;
  else
    pendingColor_.blue = clamped;
}

void RtfTables::CommitColor() {
  colors_.push_back(pendingColor_);
  pendingColor_ = Color{};
}

const Color* RtfTables::ColorAt(int index) const {
  return index >= 0 && static_cast<size_t>(index) < colors_.size() ? &colors_[index] : nullptr;
}

}  // namespace vorel
