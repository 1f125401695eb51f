// The font and colour tables of an RTF document, as its header writes them.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "base/CodePages.h"
#include "base/Cp1252.h"
#include "document/RichDocument.h"

namespace vorel {

class RtfTables {
 public:
  // --- fonts: an entry starts at its \fN, its text is its name, it ends at ';' or at the end
  // of its group. A number given twice names its last entry.

  void DropPendingFont() { fontPending_ = false; }
  void StartFont(int number);
  bool FontPending() const { return fontPending_; }
  void AppendToFontName(char c) { fontName_ += c; }
  void AppendToFontName(char32_t codePoint) { AppendUtf8(fontName_, codePoint); }
  void SetFontCharset(int charset);
  void SetFontCodePage(int codePage) { fontCpg_ = codePage; }
  // The code page of the entry being read, for the bytes of its name.
  CodePage PendingFontCodePage(CodePage documentCodePage) const;
  void CommitFont();

  // The position of font number's entry, -1 when the table has none.
  int FontSlot(int number) const;
  const std::string& FontName(int slot) const { return fonts_[slot].name; }
  // 0 when the entry leaves it to the document.
  CodePage FontCodePage(int slot) const { return fonts_[slot].codePage; }

  // --- colours: components, then ';' ends an entry.

  void StartColors() { pendingColor_ = Color{}; }
  void SetColorComponent(int component, int value);
  void CommitColor();
  // Nothing for an index the table does not have.
  const Color* ColorAt(int index) const;

 private:
  struct FontEntry {
    std::string name;
    CodePage codePage = 0;
  };

  std::vector<FontEntry> fonts_;
  std::unordered_map<int, int> fontSlots_;
  bool fontPending_ = false;
  int fontNumber_ = 0;
  std::string fontName_;
  CodePage fontCharsetCodePage_ = 0;
  CodePage fontCpg_ = 0;

  std::vector<Color> colors_;
  Color pendingColor_;
};

}  // namespace vorel
