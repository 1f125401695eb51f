// The RTF reader: groups and their destinations, code pages and Unicode escapes over the
// tokenizer, building a RichDocument.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/CodePages.h"
#include "document/RichDocument.h"
#include "document/private/DocumentBuilder.h"
#include "document/private/RtfTables.h"
#include "document/private/RtfTokenizer.h"

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

  struct CharState {
    int font = 0;
    int size = kDefaultFontSize;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hidden = false;
    bool caps = false;
    bool strike = false;
    Script script = Script::Normal;
  };

  // What a group's content is: each destination is a table of what its keywords, text and
  // bytes do, and a group points at the table of the destination it is in.
  struct Destination;
  static const Destination kBody;       // the document's text
  static const Destination kNote;       // a note's text, bracketed where its mark stands
  static const Destination kFontTable;  // font names
  static const Destination kColorTable;
  static const Destination kSkipped;  // no text; only a note may start in it
  static const Destination kObject;   // skipped but for its \result
  static const Destination kUpr;      // skipped but for its Unicode version (\ud)

  struct GroupState {
    CharState chars;
    ParagraphFormat paragraph;
    int fallbackUnits = 1;
    const Destination* destination = &kBody;
    // Where \result and \ud bring the group back to: the body, or inside a note its text.
    const Destination* text = &kBody;
    // A note starts only in a group opened in text, not in the document's own group, and
    // once per group.
    bool noteMayStart = false;
  };

  // What a run's format is made of, cheap to compare at every change of group or property.
  struct RunKey {
    int fontSlot = -1;
    int size = kDefaultFontSize;
    Color color;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    Script script = Script::Normal;
    bool operator==(const RunKey&) const = default;
  };

  // --- tokens ---
  void OpenGroup();
  void CloseGroup();
  void Control(const RtfToken& token);
  inline void TextRun(std::string_view run);
  inline void RawByte(unsigned char byte);
  inline void HexByte(int byte);
  // Every kind of token but a brace counts as one unit of a \u fallback; true when it did.
  inline bool SkipFallbackUnit();

  // --- what the destinations do with text and bytes ---
  inline void Ascii(std::string_view text);
  inline void CodePoint(char32_t codePoint);
  inline void Byte(unsigned char byte);
  inline void BodyAscii(std::string_view text);
  inline void BodyCodePoint(char32_t codePoint);
  inline void BodyByte(unsigned char byte);
  inline void BodyPut(char32_t codePoint);
  void FontAscii(std::string_view text);
  void FontCodePoint(char32_t codePoint);
  void FontByte(unsigned char byte);
  void FontPut(char32_t codePoint);
  void ColorAscii(std::string_view text);
  void IgnoreText(std::string_view) {}
  void IgnoreCodePoint(char32_t) {}
  void IgnoreByte(unsigned char) {}
  void Nothing() {}

  // --- keyword handlers: the keyword's argument, then the token ---
  // document
  void SetCodePage(int codePage, const RtfToken&);
  void AnsiCodePage(int, const RtfToken& token);
  void DefaultFont(int, const RtfToken& token);
  // destinations
  void BeginFontTable(int, const RtfToken&);
  void BeginColorTable(int, const RtfToken&);
  void BeginObject(int, const RtfToken&);
  void BeginUpr(int, const RtfToken&);
  void BeginSkipped(int, const RtfToken&);
  void BackToText(int, const RtfToken&);
  void Footnote(int, const RtfToken&);
  // font and colour tables
  void StartFont(int, const RtfToken& token);
  void FontCharset(int, const RtfToken& token);
  void FontCodePage(int, const RtfToken& token);
  void ColorComponent(int component, const RtfToken& token);
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
  void Strike(int, const RtfToken& token);
  void SetScript(int script, const RtfToken& token);
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
  // notes
  void NotePar(int, const RtfToken&);
  void NoteSectionBreak(int, const RtfToken&);
  void NoteRow(int, const RtfToken&);
  void NoteMark(int, const RtfToken&);
  void Endnote(int, const RtfToken&);

  void SetDocumentCodePage(CodePage codePage);
  void CommitFont();

  // --- text ---
  void Refresh();
  void ApplyKey(const RunKey& key);
  void BreakParagraph();
  void EndParagraph();
  void BreakInNote();
  void EndNote();
  inline void BeforeBodyText();
  inline void PutDecoded(CodePage codePage, unsigned char byte);
  inline bool PassNoteGap(char32_t codePoint);
  inline bool JoinSurrogates(char32_t& codePoint);
  inline void ResolveSurrogate();

  RtfTokenizer tokenizer_;
  bool done_ = false;

  GroupState group_;
  std::vector<GroupState> stack_;
  size_t overflow_ = 0;
  int skipUnits_ = 0;

  CodePage documentCodePage_ = kCodePageWindows1252;
  int defaultFont_ = 0;
  RtfTables tables_;

  bool dirty_ = true;
  RunKey key_;
  CodePage codePage_ = kCodePageWindows1252;
  char32_t highSurrogate_ = 0;
  size_t pendingCellTabs_ = 0;
  bool hasContent_ = false;
  DocumentBuilder builder_;

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
