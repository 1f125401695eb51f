// The RTF tokenizer's control words and trail bytes; the byte loop is inline in the header.
#include "document/private/RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace vorel {

// At the first letter.
RtfToken RtfTokenizer::ControlWord() {
  const auto isDigit = [this](size_t at) { return in_[at] >= '0' && in_[at] <= '9'; };
  const size_t start = pos_;
  size_t p = start;
  while (p < in_.size() && IsLetter(in_[p])) ++p;
  RtfToken token{RtfTokenKind::ControlWord, in_.substr(start, p - start)};
  bool negative = false;
  if (p + 1 < in_.size() && in_[p] == '-' && isDigit(p + 1)) {
    negative = true;
    ++p;
  }
  // Digits past the 32-bit range still belong to the word; the value stops growing.
  std::int64_t value = 0;
  while (p < in_.size() && isDigit(p)) {
    token.hasParameter = true;
    if (value <= std::numeric_limits<std::int32_t>::max()) value = value * 10 + (in_[p] - '0');
    ++p;
  }
  if (p < in_.size() && in_[p] == ' ') ++p;
  pos_ = p;
  token.value = static_cast<int>(
      std::clamp<std::int64_t>(negative ? -value : value, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()));
  // The data of \bin is bytes, not RTF, wherever it stands; a count past the end means the rest.
  if (token.text == "bin") {
    const size_t count =
        token.value <= 0 ? 0 : std::min(in_.size() - pos_, static_cast<size_t>(token.value));
    token = {RtfTokenKind::Binary, in_.substr(pos_, count)};
    pos_ += count;
  }
  return token;
}

void RtfTokenizer::SkipTrailByte() {
  if (pos_ >= in_.size()) return;
  const char c = in_[pos_];
  if (c == '\\') {
    if (pos_ + 3 < in_.size() && in_[pos_ + 1] == '\'' && HexValue(in_[pos_ + 2]) >= 0 &&
        HexValue(in_[pos_ + 3]) >= 0)
      pos_ += 4;
    return;
  }
  if (c != '{' && c != '}' && c != '\r' && c != '\n') ++pos_;
}

}  // namespace vorel
