// Splits RTF bytes into tokens in one pass, for the reader; it never looks past the buffer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vorel {

enum class RtfTokenKind : std::uint8_t {
  End,            // no bytes left
  GroupOpen,      // {
  GroupClose,     // }
  ControlWord,    // a backslash, letters and an optional parameter
  ControlSymbol,  // a backslash and any other byte but '
  HexByte,        // \'hh
  Binary,         // \binN and its N raw bytes
  Text,           // printable ASCII but \ { }, as many bytes as follow
  Byte,           // one other byte: a tab, an 8-bit byte, a control character
};

struct RtfToken {
  RtfTokenKind kind = RtfTokenKind::End;
  // ControlWord: its letters; ControlSymbol: the byte after the backslash; Text: the run;
  // Binary: the raw bytes.
  std::string_view text = {};
  // ControlWord: the parameter saturated to 32 bits, 0 without one. HexByte: the byte, or -1
  // when the escape is broken. Byte: the byte.
  int value = 0;
  bool hasParameter = false;
};

class RtfTokenizer {
 public:
  explicit RtfTokenizer(std::string_view bytes) : in_(bytes) {}

  // Bare CR and LF are layout of the file and never come out; a backslash at the very end
  // ends the input.
  RtfToken Next();

  // Passes over the byte after a lead byte of a double-byte code page, raw or as \'hh: it
  // belongs to the same character. A brace or line end is not a trail byte.
  void SkipTrailByte();

 private:
  // Bytes that are text as they stand: printable ASCII but for the three special characters.
  static constexpr std::array<bool, 256> kPlainText = [] {
    std::array<bool, 256> t{};
    for (int c = 0x20; c < 0x7F; ++c) t[c] = c != '\\' && c != '{' && c != '}';
    return t;
  }();

  static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
  static int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  RtfToken HexEscape();
  RtfToken ControlWord();

  std::string_view in_;
  size_t pos_ = 0;
};

// Inline, like HexEscape: text runs and escaped bytes are most of a file, and the reader's
// loop over the tokens is then one loop over the bytes.
inline RtfToken RtfTokenizer::Next() {
  while (pos_ < in_.size()) {
    const unsigned char c = static_cast<unsigned char>(in_[pos_]);
    if (kPlainText[c]) {
      const size_t start = pos_;
      while (++pos_ < in_.size() && kPlainText[static_cast<unsigned char>(in_[pos_])]) {
      }
      return {RtfTokenKind::Text, in_.substr(start, pos_ - start)};
    }
    ++pos_;
    switch (c) {
      case '{':
        return {RtfTokenKind::GroupOpen};
      case '}':
        return {RtfTokenKind::GroupClose};
      case '\r':
      case '\n':
        continue;
      case '\\':
        if (pos_ >= in_.size()) return {};
        if (IsLetter(in_[pos_])) return ControlWord();
        if (in_[pos_] == '\'') return HexEscape();
        ++pos_;
        return {RtfTokenKind::ControlSymbol, in_.substr(pos_ - 1, 1)};
      default:
        return {RtfTokenKind::Byte, {}, c};
    }
  }
  return {};
}

// At the quote.
inline RtfToken RtfTokenizer::HexEscape() {
  ++pos_;
  const int high = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
  const int low = pos_ + 1 < in_.size() ? HexValue(in_[pos_ + 1]) : -1;
  // A broken escape drops the one hex digit it has; what follows is read as usual.
  pos_ += high < 0 ? 0 : low < 0 ? 1 : 2;
  return {RtfTokenKind::HexByte, {}, high >= 0 && low >= 0 ? high * 16 + low : -1};
}

}  // namespace vorel
