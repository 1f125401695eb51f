// The RTF writer: what Vorel saves, in the form every reader we checked reads alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document/RichDocument.h"

namespace vorel {

class RtfWriter {
 public:
  explicit RtfWriter(const RichDocument& document) : document_(document) {}

  // Writes once.
  std::string Write();

 private:
  enum class TextKind { Run, FontName };

  void CollectTables();
  void AddFont(const std::string& name);
  void AddColor(Color color);
  void WriteParagraph(const Paragraph& paragraph);
  void SwitchFormat(const CharFormat* from, const CharFormat& to);

  void NewLine();
  void BeginEscape();
  // Control and HexByte run once per escape. Unasked, the compiler calls them, at a few percent
  // of the write time; they are defined and used in RtfWriter.cpp alone.
  [[gnu::always_inline]] inline void Control(std::string_view word);
  void Control(std::string_view word, int value);
  void Raw(std::string_view text);
  void Symbol(std::string_view symbol);
  [[gnu::always_inline]] inline void HexByte(unsigned char byte);
  void Unicode(char32_t codePoint);
  void Text(std::string_view text, TextKind kind);

  const RichDocument& document_;
  std::string out_;
  size_t lineStart_ = 0;
  bool needDelimiter_ = false;
  std::unordered_map<std::string, int> fontIndex_;
  std::vector<const std::string*> fonts_;
  std::unordered_map<std::uint32_t, int> colorIndex_;
  std::vector<Color> colors_;
};

}  // namespace vorel
