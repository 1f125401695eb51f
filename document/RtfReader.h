// The RTF reader: groups, destinations, code pages and Unicode escapes over the tokenizer,
// building a RichDocument.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/CodePages.h"
#include "document/RichDocument.h"
#include "document/RtfTokenizer.h"

namespace vorel {

class RtfReader {
 public:
  // The bytes start at the document's opening brace.
  explicit RtfReader(std::string_view rtf);

  // Reads once; damaged input gives what was read before the damage, at least one paragraph.
  RichDocument Read();

 private:
  // The members declared inline carry every character of text; they are defined and used in
  // RtfReader.cpp alone. Unasked, the compiler calls them, at a few percent of the read time.

  static constexpr int kDefaultFontSize = 24;

  // Object and Upr skip their content but for one inner group: the object's \result, and
  // the Unicode version (\ud) of text that also comes in an 8-bit version. Every destination
  // from Skip on hides its text.
  enum class Destination : std::uint8_t { Text, FontTable, ColorTable, Skip, Object, Upr };

  struct CharState {
    int font = 0;
    int size = kDefaultFontSize;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hidden = false;
    bool caps = false;
  };

  struct GroupState {
    CharState chars;
    ParagraphFormat paragraph;
    int fallbackUnits = 1;
    Destination destination = Destination::Text;
  };

  struct FontEntry {
    std::string name;
    CodePage codePage = 0;  // 0: the document's
  };

  // What a run's format is made of, cheap to compare at every change of group or property.
  struct RunKey {
    int fontSlot = -1;
    int size = kDefaultFontSize;
    Color color;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const RunKey&) const = default;
  };

  // The dispatch table's entry for a control word or symbol; defined with the table.
  struct Keyword;
  static const Keyword* FindKeyword(std::string_view word);

  // --- tokens ---
  void OpenGroup();
  void CloseGroup();
  void Control(const RtfToken& token);
  inline void TextRun(std::string_view run);
  inline void RawByte(unsigned char byte);
  inline void HexByte(int byte);
  // Every kind of token but a brace counts as one unit of a \u fallback; true when it did.
  inline bool SkipFallbackUnit();

  // --- handlers of the dispatch table: the keyword's argument, then the token ---
  // document
  void SetCodePage(int codePage, const RtfToken&);
  void AnsiCodePage(int, const RtfToken& token);
  void DefaultFont(int, const RtfToken& token);
  // font and colour tables
  void BeginFontTable(int, const RtfToken&);
  void BeginColorTable(int, const RtfToken&);
  void FontCharset(int, const RtfToken& token);
  void FontCodePage(int, const RtfToken& token);
  void ColorComponent(int component, const RtfToken& token);
  // destinations
  void BeginDestination(int destination, const RtfToken&);
  void Starred(int, const RtfToken&);
  void ObjectResult(int, const RtfToken&);
  void UnicodeVersion(int, const RtfToken&);
  // character properties
  void Plain(int, const RtfToken&);
  void Font(int, const RtfToken& token);
  void FontSize(int, const RtfToken& token);
  void Bold(int, const RtfToken& token);
  void Italic(int, const RtfToken& token);
  void Underline(int, const RtfToken& token);
  void UnderlineNone(int, const RtfToken&);
  void TextColor(int, const RtfToken& token);
  void Hidden(int, const RtfToken& token);
  void Caps(int, const RtfToken& token);
  // paragraph properties
  void Pard(int, const RtfToken&);
  void LeftIndent(int, const RtfToken& token);
  void RightIndent(int, const RtfToken& token);
  void FirstIndent(int, const RtfToken& token);
  void Align(int alignment, const RtfToken&);
  void TabPosition(int, const RtfToken& token);
  void TabStopKind(int kind, const RtfToken&);
  void TabStopLeader(int leader, const RtfToken&);
  void BarTab(int, const RtfToken&);
  // notes
  void Footnote(int, const RtfToken&);
  void Endnote(int, const RtfToken&);
  void NoteMark(int, const RtfToken&);
  // text and breaks
  void Par(int, const RtfToken&);
  void SectionBreak(int, const RtfToken&);
  void LineBreak(int, const RtfToken&);
  void Tab(int, const RtfToken&);
  void Cell(int, const RtfToken&);
  void Row(int, const RtfToken&);
  void Symbol(int codePoint, const RtfToken&);
  void EscapedSpecial(int character, const RtfToken&);
  void Unicode(int, const RtfToken& token);
  void FallbackUnits(int, const RtfToken& token);

  void SetDocumentCodePage(CodePage codePage);

  // --- fonts and colours ---
  void StartFont(int number);
  void CommitFont();
  int FontSlot(int number) const;

  // --- text ---
  void Refresh();
  void ApplyKey(const RunKey& key);
  void FlushText();
  void BreakParagraph();
  void EndParagraph();
  void EndNote();
  inline void BeforeBodyText();
  inline void Ascii(std::string_view text);
  inline void CodePoint(char32_t codePoint);
  inline void Put(char32_t codePoint);
  inline void ResolveSurrogate();
  inline bool PassNoteGap(char32_t codePoint);
  inline CodePage CurrentCodePage();
  inline void Byte(unsigned char byte);

  RtfTokenizer tokenizer_;
  bool done_ = false;

  GroupState group_;
  std::vector<GroupState> stack_;
  size_t overflow_ = 0;
  int skipUnits_ = 0;

  CodePage documentCodePage_ = kCodePageWindows1252;
  int defaultFont_ = 0;
  std::vector<FontEntry> fonts_;
  std::unordered_map<int, int> fontSlots_;
  bool fontPending_ = false;
  int fontNumber_ = 0;
  std::string fontName_;
  CodePage fontCharsetCodePage_ = 0;
  CodePage fontCpg_ = 0;
  std::vector<Color> colors_;
  Color pendingColor_;

  bool dirty_ = true;
  RunKey key_;
  CharFormat format_;
  CodePage codePage_ = kCodePageWindows1252;
  char32_t highSurrogate_ = 0;
  size_t pendingCellTabs_ = 0;
  size_t runCount_ = 0;
  std::string pendingText_;
  Paragraph paragraph_;
  bool hasContent_ = false;
  RichDocument document_;

  // The kind and leader of the next \tx.
  TabKind tabKind_ = TabKind::Left;
  TabLeader tabLeader_ = TabLeader::None;

  // A note's text goes where its group stands, in brackets, in the format of the body
  // around it; its paragraphs are joined by spaces.
  struct OpenNote {
    size_t depth = 0;  // the size of the group stack inside the note's own group
    int number = 0;
    bool endnote = false;
  };
  // Blanks at the start of a note and after its mark or a paragraph end are dropped; after
  // a mark or a paragraph end, one space stands for them.
  enum class NoteGap : std::uint8_t { None, Trim, Space };
  std::vector<OpenNote> notes_;
  CharState bodyChars_;
  NoteGap noteGap_ = NoteGap::None;
  int footnotes_ = 0;
  int endnotes_ = 0;
};

}  // namespace vorel
