// The RTF reader: the destinations' tables, the group stack and the text it builds.
#include "document/private/RtfReader.h"

#include <algorithm>
#include <array>
#include <string>

#include "base/Cp1252.h"
#include "document/private/RtfKeywords.h"

namespace vorel {
namespace {

// Real files nest a few dozen groups; deeper ones are counted, not stacked.
constexpr size_t kMaxDepth = 4096;
// Fallbacks are a few bytes at most; a larger \uc is damage and would eat real text.
constexpr int kMaxFallbackUnits = 64;
// Sizes a word processor accepts, in half-points.
constexpr int kMinFontSize = 2;
constexpr int kMaxFontSize = 3276;
// Word processors allow 64 tab stops in a paragraph; more are damage.
constexpr size_t kMaxTabStops = 64;

// \caps shows letters as capitals; the report's languages need Latin-1 and the French œ.
char32_t ToUpper(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  if (c == 0xFF) return 0x178;
  if (c == 0x153 || c == 0x161 || c == 0x17E) return c - 1;
  return c;
}

// A switch without a parameter, or with one other than 0, turns the property on.
bool On(const RtfToken& token) {
  return !token.hasParameter || token.value != 0;
}

// Code pages may be written as unsigned 16-bit values that overflowed.
int CodePageParameter(int value) {
  return value < 0 ? value + 65536 : value;
}

}  // namespace

// A keyword without a handler in the destination of its group means nothing there.
struct RtfReader::Destination {
  using KeywordHandler = void (RtfReader::*)(int argument, const RtfToken& token);
  using A = RtfAction;
  using R = RtfReader;

  // A group opened in it may hold a note.
  bool holdsText = false;
  std::array<KeywordHandler, kRtfActionCount> keywords{};
  void (RtfReader::*ascii)(std::string_view) = &R::IgnoreText;
  void (RtfReader::*codePoint)(char32_t) = &R::IgnoreCodePoint;
  void (RtfReader::*byte)(unsigned char) = &R::IgnoreByte;
  // Where a character owed from before goes (the U+FFFD of a high surrogate left alone).
  void (RtfReader::*put)(char32_t) = &R::BodyPut;
  void (RtfReader::*close)() = &R::Nothing;

  constexpr void Set(RtfAction action, KeywordHandler handler) {
    keywords[static_cast<size_t>(action)] = handler;
  }

  // Text and table entries: the keywords that set properties of the group or the document
  // act alike in all of them.
  static constexpr Destination Reading() {
    Destination d;
    d.Set(A::CodePage, &R::SetCodePage);
    d.Set(A::AnsiCodePage, &R::AnsiCodePage);
    d.Set(A::DefaultFont, &R::DefaultFont);
    d.Set(A::FontTable, &R::BeginFontTable);
    d.Set(A::ColorTable, &R::BeginColorTable);
    d.Set(A::ObjectGroup, &R::BeginObject);
    d.Set(A::UprGroup, &R::BeginUpr);
    d.Set(A::SkipGroup, &R::BeginSkipped);
    d.Set(A::Starred, &R::BeginSkipped);
    d.Set(A::Plain, &R::Plain);
    d.Set(A::Font, &R::Font);
    d.Set(A::FontSize, &R::FontSize);
    d.Set(A::Bold, &R::Bold);
    d.Set(A::Italic, &R::Italic);
    d.Set(A::Underline, &R::Underline);
    d.Set(A::UnderlineNone, &R::UnderlineNone);
    d.Set(A::TextColor, &R::TextColor);
    d.Set(A::Hidden, &R::Hidden);
    d.Set(A::Caps, &R::Caps);
    d.Set(A::Strike, &R::Strike);
    d.Set(A::Script, &R::SetScript);
    d.Set(A::Pard, &R::Pard);
    d.Set(A::LeftIndent, &R::LeftIndent);
    d.Set(A::RightIndent, &R::RightIndent);
    d.Set(A::FirstIndent, &R::FirstIndent);
    d.Set(A::Align, &R::Align);
    d.Set(A::TabPosition, &R::TabPosition);
    d.Set(A::TabStopKind, &R::TabStopKind);
    d.Set(A::TabStopLeader, &R::TabStopLeader);
    d.Set(A::BarTab, &R::BarTab);
    d.Set(A::Symbol, &R::Symbol);
    d.Set(A::EscapedSpecial, &R::EscapedSpecial);
    d.Set(A::Unicode, &R::Unicode);
    d.Set(A::FallbackUnits, &R::FallbackUnits);
    d.Set(A::Endnote, &R::Endnote);
    return d;
  }

  static constexpr Destination Body() {
    Destination d = Reading();
    d.holdsText = true;
    d.Set(A::Footnote, &R::Footnote);
    d.Set(A::Par, &R::Par);
    d.Set(A::SectionBreak, &R::SectionBreak);
    d.Set(A::LineBreak, &R::LineBreak);
    d.Set(A::Tab, &R::Tab);
    d.Set(A::Cell, &R::Cell);
    d.Set(A::Row, &R::Row);
    d.ascii = &R::BodyAscii;
    d.codePoint = &R::BodyCodePoint;
    d.byte = &R::BodyByte;
    return d;
  }

  // The body's text, but paragraphs are joined and \chftn writes the note's number.
  static constexpr Destination Note() {
    Destination d = Body();
    d.Set(A::Par, &R::NotePar);
    d.Set(A::SectionBreak, &R::NoteSectionBreak);
    d.Set(A::Row, &R::NoteRow);
    d.Set(A::NoteMark, &R::NoteMark);
    return d;
  }

  static constexpr Destination FontTable() {
    Destination d = Reading();
    d.Set(A::Font, &R::StartFont);
    d.Set(A::FontCharset, &R::FontCharset);
    d.Set(A::FontCodePage, &R::FontCodePage);
    d.ascii = &R::FontAscii;
    d.codePoint = &R::FontCodePoint;
    d.byte = &R::FontByte;
    d.put = &R::FontPut;
    d.close = &R::CommitFont;  // the last entry may lack its ';'
    return d;
  }

  static constexpr Destination ColorTable() {
    Destination d = Reading();
    d.Set(A::ColorComponent, &R::ColorComponent);
    d.ascii = &R::ColorAscii;
    return d;
  }

  // Notes are often starred, though their text is the body's.
  static constexpr Destination Skipped() {
    Destination d;
    d.Set(A::Footnote, &R::Footnote);
    return d;
  }

  static constexpr Destination Object() {
    Destination d;
    d.Set(A::Starred, &R::BeginSkipped);
    d.Set(A::ObjectResult, &R::BackToText);
    return d;
  }

  // The Unicode version is the starred group inside \upr: the star keeps it.
  static constexpr Destination Upr() {
    Destination d;
    d.Set(A::UnicodeVersion, &R::BackToText);
    return d;
  }
};

const RtfReader::Destination RtfReader::kBody = Destination::Body();
const RtfReader::Destination RtfReader::kNote = Destination::Note();
const RtfReader::Destination RtfReader::kFontTable = Destination::FontTable();
const RtfReader::Destination RtfReader::kColorTable = Destination::ColorTable();
const RtfReader::Destination RtfReader::kSkipped = Destination::Skipped();
const RtfReader::Destination RtfReader::kObject = Destination::Object();
const RtfReader::Destination RtfReader::kUpr = Destination::Upr();

RtfReader::RtfReader(std::string_view rtf) : tokenizer_(rtf) {
  ApplyKey(RunKey{});
}

RichDocument RtfReader::Read() {
  while (!done_) {
    const RtfToken token = tokenizer_.Next();
    switch (token.kind) {
      case RtfTokenKind::End:
        done_ = true;
        break;
      case RtfTokenKind::GroupOpen:
        OpenGroup();
        break;
      case RtfTokenKind::GroupClose:
        CloseGroup();
        break;
      case RtfTokenKind::ControlWord:
      case RtfTokenKind::ControlSymbol:
        Control(token);
        break;
      case RtfTokenKind::HexByte:
        HexByte(token.value);
        break;
      case RtfTokenKind::Binary:
        SkipFallbackUnit();  // one unit of a fallback; its bytes are never text
        break;
      case RtfTokenKind::Text:
        TextRun(token.text);
        break;
      case RtfTokenKind::Byte:
        RawByte(static_cast<unsigned char>(token.value));
        break;
    }
  }
  ResolveSurrogate();
  // A note cut short still closes its bracket, in the body's format.
  if (!notes_.empty()) {
    group_.chars = bodyChars_;
    dirty_ = true;
    while (!notes_.empty()) EndNote();
  }
  if (hasContent_ || builder_.Empty()) EndParagraph();
  return builder_.Finish();
}

// --- groups ---

void RtfReader::OpenGroup() {
  ResolveSurrogate();
  skipUnits_ = 0;
  if (stack_.size() >= kMaxDepth) {
    ++overflow_;
    return;
  }
  stack_.push_back(group_);
  group_.noteMayStart = group_.destination->holdsText && stack_.size() >= 2;
}

void RtfReader::CloseGroup() {
  ResolveSurrogate();
  skipUnits_ = 0;
  if (overflow_ > 0) {
    --overflow_;
    return;
  }
  (this->*group_.destination->close)();
  // The closing brace of the document's group ends it; what follows is not RTF. Its state
  // stays, for the last paragraph if that has no \par.
  if (stack_.size() <= 1) {
    done_ = true;
    return;
  }
  const bool endsNote = !notes_.empty() && notes_.back().depth == stack_.size();
  group_ = stack_.back();
  stack_.pop_back();
  dirty_ = true;
  if (endsNote) EndNote();
}

// --- tokens ---

bool RtfReader::SkipFallbackUnit() {
  if (skipUnits_ == 0) return false;
  --skipUnits_;
  return true;
}

void RtfReader::Control(const RtfToken& token) {
  if (SkipFallbackUnit()) return;
  const RtfKeyword* keyword = FindRtfKeyword(token.text);
  if (!keyword) return;  // unknown words and symbols, \| and \: among them
  const Destination::KeywordHandler handler =
      group_.destination->keywords[static_cast<size_t>(keyword->action)];
  if (handler) (this->*handler)(keyword->argument, token);
}

void RtfReader::TextRun(std::string_view run) {
  const size_t skipped = std::min(run.size(), static_cast<size_t>(skipUnits_));
  skipUnits_ -= static_cast<int>(skipped);
  run.remove_prefix(skipped);
  if (!run.empty()) Ascii(run);
}

void RtfReader::RawByte(unsigned char byte) {
  if (SkipFallbackUnit()) return;
  if (byte == '\t')
    CodePoint('\t');
  else if (byte >= 0x80)
    Byte(byte);
  // Other control bytes are noise.
}

void RtfReader::HexByte(int byte) {
  if (SkipFallbackUnit()) return;
  if (byte >= 0) Byte(static_cast<unsigned char>(byte));
}

// Printable ASCII other than \ { } as it stands in the file, or from \\ \{ \}.
void RtfReader::Ascii(std::string_view text) {
  (this->*group_.destination->ascii)(text);
}

// One character of text from an escape, a symbol or a decoded byte.
void RtfReader::CodePoint(char32_t codePoint) {
  (this->*group_.destination->codePoint)(codePoint);
}

// A byte of text, from \'hh or as it stands, in the destination's code page.
void RtfReader::Byte(unsigned char byte) {
  (this->*group_.destination->byte)(byte);
}

// --- text of the body and of notes ---

void RtfReader::BodyAscii(std::string_view text) {
  if (group_.chars.hidden) return;
  ResolveSurrogate();
  BeforeBodyText();
  if (noteGap_ != NoteGap::None) {
    while (!text.empty() && !PassNoteGap(static_cast<unsigned char>(text.front())))
      text.remove_prefix(1);
    if (text.empty()) return;
  }
  if (group_.chars.caps) {
    for (char c : text) builder_.Append(static_cast<char>(ToUpper(c)));
  } else {
    builder_.Append(text);
  }
}

void RtfReader::BodyCodePoint(char32_t codePoint) {
  if (group_.chars.hidden || !JoinSurrogates(codePoint)) return;
  BodyPut(codePoint);
}

void RtfReader::BodyByte(unsigned char byte) {
  if (dirty_) Refresh();
  PutDecoded(codePage_, byte);
}

void RtfReader::BodyPut(char32_t codePoint) {
  if (codePoint == 0) return;
  BeforeBodyText();
  if (noteGap_ != NoteGap::None && !PassNoteGap(codePoint)) return;
  builder_.AppendCodePoint(group_.chars.caps ? ToUpper(codePoint) : codePoint);
}

// --- font and colour tables ---

void RtfReader::FontAscii(std::string_view text) {
  for (char c : text) {
    if (c == ';') {
      CommitFont();
    } else if (tables_.FontPending()) {
      ResolveSurrogate();
      tables_.AppendToFontName(c);
    }
  }
}

// Names may hold any character; hidden text is still a name.
void RtfReader::FontCodePoint(char32_t codePoint) {
  if (JoinSurrogates(codePoint)) FontPut(codePoint);
}

void RtfReader::FontByte(unsigned char byte) {
  PutDecoded(tables_.PendingFontCodePage(documentCodePage_), byte);
}

void RtfReader::FontPut(char32_t codePoint) {
  if (codePoint != 0 && tables_.FontPending()) tables_.AppendToFontName(codePoint);
}

void RtfReader::ColorAscii(std::string_view text) {
  for (char c : text)
    if (c == ';') tables_.CommitColor();
}

void RtfReader::CommitFont() {
  if (!tables_.FontPending()) return;
  ResolveSurrogate();
  tables_.CommitFont();
  dirty_ = true;
}

// --- document ---

void RtfReader::SetCodePage(int codePage, const RtfToken&) {
  SetDocumentCodePage(codePage);
}

void RtfReader::AnsiCodePage(int, const RtfToken& token) {
  if (token.hasParameter) SetDocumentCodePage(CodePageParameter(token.value));
}

void RtfReader::DefaultFont(int, const RtfToken& token) {
  defaultFont_ = token.value;
  group_.chars.font = defaultFont_;
  dirty_ = true;
}

void RtfReader::SetDocumentCodePage(CodePage codePage) {
  documentCodePage_ = codePage;
  dirty_ = true;
}

// --- destinations ---

void RtfReader::BeginFontTable(int, const RtfToken&) {
  group_.destination = &kFontTable;
  tables_.DropPendingFont();
}

void RtfReader::BeginColorTable(int, const RtfToken&) {
  group_.destination = &kColorTable;
  tables_.StartColors();
}

void RtfReader::BeginObject(int, const RtfToken&) {
  group_.destination = &kObject;
}

void RtfReader::BeginUpr(int, const RtfToken&) {
  group_.destination = &kUpr;
}

void RtfReader::BeginSkipped(int, const RtfToken&) {
  group_.destination = &kSkipped;
}

void RtfReader::BackToText(int, const RtfToken&) {
  group_.destination = group_.text;
}

// A note is a group of its own in body text, the word at its start: {\footnote or
// {\*\footnote. Its characters keep the body's format, so that they read as part of it.
void RtfReader::Footnote(int, const RtfToken&) {
  if (overflow_ > 0 || !group_.noteMayStart) return;
  if (group_.chars.hidden) {  // hidden with its mark
    group_.destination = &kSkipped;
    return;
  }
  group_.destination = group_.text = &kNote;
  group_.noteMayStart = false;
  // The mark around a note is often superscript; the note's text stands on the line.
  if (notes_.empty()) {
    bodyChars_ = group_.chars;
    bodyChars_.script = Script::Normal;
  }
  notes_.push_back(OpenNote{stack_.size(), ++footnotes_, false});
  dirty_ = true;
  Ascii("[");
  noteGap_ = NoteGap::Trim;
}

// --- font and colour table entries ---

void RtfReader::StartFont(int, const RtfToken& token) {
  CommitFont();
  tables_.StartFont(token.value);
}

void RtfReader::FontCharset(int, const RtfToken& token) {
  if (tables_.FontPending()) tables_.SetFontCharset(token.value);
}

void RtfReader::FontCodePage(int, const RtfToken& token) {
  if (tables_.FontPending()) tables_.SetFontCodePage(CodePageParameter(token.value));
}

void RtfReader::ColorComponent(int component, const RtfToken& token) {
  tables_.SetColorComponent(component, token.value);
}

// --- character properties ---

void RtfReader::Plain(int, const RtfToken&) {
  group_.chars = CharState{};
  group_.chars.font = defaultFont_;
  dirty_ = true;
}

void RtfReader::Font(int, const RtfToken& token) {
  group_.chars.font = token.value;
  dirty_ = true;
}

void RtfReader::FontSize(int, const RtfToken& token) {
  group_.chars.size =
      token.value <= 0 ? kDefaultFontSize : std::clamp(token.value, kMinFontSize, kMaxFontSize);
  dirty_ = true;
}

void RtfReader::Bold(int, const RtfToken& token) {
  group_.chars.bold = On(token);
  dirty_ = true;
}

void RtfReader::Italic(int, const RtfToken& token) {
  group_.chars.italic = On(token);
  dirty_ = true;
}

void RtfReader::Underline(int, const RtfToken& token) {
  group_.chars.underline = On(token);
  dirty_ = true;
}

void RtfReader::UnderlineNone(int, const RtfToken&) {
  group_.chars.underline = false;
  dirty_ = true;
}

void RtfReader::TextColor(int, const RtfToken& token) {
  group_.chars.color = token.value;
  dirty_ = true;
}

// Hidden text and capitals change the text, not the run's format.
void RtfReader::Hidden(int, const RtfToken& token) {
  group_.chars.hidden = On(token);
}

void RtfReader::Caps(int, const RtfToken& token) {
  group_.chars.caps = On(token);
}

void RtfReader::Strike(int, const RtfToken& token) {
  group_.chars.strike = On(token);
  dirty_ = true;
}

// \super0 and \sub0 end the position, as \nosupersub does.
void RtfReader::SetScript(int script, const RtfToken& token) {
  group_.chars.script = On(token) ? static_cast<Script>(script) : Script::Normal;
  dirty_ = true;
}

// --- paragraph properties ---

void RtfReader::Pard(int, const RtfToken&) {
  group_.paragraph = ParagraphFormat{};
  tabKind_ = TabKind::Left;
  tabLeader_ = TabLeader::None;
}

void RtfReader::LeftIndent(int, const RtfToken& token) {
  group_.paragraph.leftIndent = token.value;
}

void RtfReader::RightIndent(int, const RtfToken& token) {
  group_.paragraph.rightIndent = token.value;
}

void RtfReader::FirstIndent(int, const RtfToken& token) {
  group_.paragraph.firstIndent = token.value;
}

void RtfReader::Align(int alignment, const RtfToken&) {
  group_.paragraph.alignment = static_cast<Alignment>(alignment);
}

// The kind and leader come before the position they qualify. A stop set again at the same
// position replaces the old one.
void RtfReader::TabPosition(int, const RtfToken& token) {
  const TabStop stop{token.value, tabKind_, tabLeader_};
  tabKind_ = TabKind::Left;
  tabLeader_ = TabLeader::None;
  std::vector<TabStop>& tabs = group_.paragraph.tabs;
  const auto at =
      std::lower_bound(tabs.begin(), tabs.end(), stop.position,
                       [](const TabStop& t, int position) { return t.position < position; });
  if (at != tabs.end() && at->position == stop.position)
    *at = stop;
  else if (tabs.size() < kMaxTabStops)
    tabs.insert(at, stop);
}

void RtfReader::TabStopKind(int kind, const RtfToken&) {
  tabKind_ = static_cast<TabKind>(kind);
}

void RtfReader::TabStopLeader(int leader, const RtfToken&) {
  tabLeader_ = static_cast<TabLeader>(leader);
}

// A bar tab draws a vertical line and moves no text: only its position is passed over.
void RtfReader::BarTab(int, const RtfToken&) {
  tabKind_ = TabKind::Left;
  tabLeader_ = TabLeader::None;
}

// --- text and breaks ---

void RtfReader::Par(int, const RtfToken&) {
  BreakParagraph();
}

void RtfReader::SectionBreak(int, const RtfToken&) {
  if (hasContent_) BreakParagraph();
}

void RtfReader::LineBreak(int, const RtfToken&) {
  BodyCodePoint('\n');
}

void RtfReader::Tab(int, const RtfToken&) {
  BodyCodePoint('\t');
}

void RtfReader::Cell(int, const RtfToken&) {
  // The tab goes in only when more of the row follows, so a row reads as its cells
  // separated by tabs.
  if (!group_.chars.hidden) ++pendingCellTabs_;
}

void RtfReader::Row(int, const RtfToken&) {
  pendingCellTabs_ = 0;
  BreakParagraph();
}

void RtfReader::Symbol(int codePoint, const RtfToken&) {
  CodePoint(static_cast<char32_t>(codePoint));
}

void RtfReader::EscapedSpecial(int character, const RtfToken&) {
  const char special = static_cast<char>(character);
  Ascii(std::string_view(&special, 1));
}

void RtfReader::Unicode(int, const RtfToken& token) {
  if (!token.hasParameter) return;
  const std::int64_t unit = token.value < 0 ? std::int64_t{token.value} + 65536 : token.value;
  CodePoint(unit < 0 || unit > 0x10FFFF ? 0xFFFD : static_cast<char32_t>(unit));
  skipUnits_ = group_.fallbackUnits;
}

void RtfReader::FallbackUnits(int, const RtfToken& token) {
  group_.fallbackUnits = std::clamp(token.value, 0, kMaxFallbackUnits);
}

// --- notes ---

void RtfReader::NotePar(int, const RtfToken&) {
  BreakInNote();
}

void RtfReader::NoteSectionBreak(int, const RtfToken&) {
  if (hasContent_) BreakInNote();
}

void RtfReader::NoteRow(int, const RtfToken&) {
  pendingCellTabs_ = 0;
  BreakInNote();
}

// The automatic number: in the body it marks where the note stands, which its bracket
// shows; in the note it is written as the note's number.
void RtfReader::NoteMark(int, const RtfToken&) {
  Ascii(std::to_string(notes_.back().number) + '.');
  noteGap_ = NoteGap::Space;
}

// Endnotes are numbered apart from footnotes. The word belongs to the note's own group.
void RtfReader::Endnote(int, const RtfToken&) {
  if (notes_.empty() || notes_.back().depth != stack_.size() || notes_.back().endnote) return;
  OpenNote& note = notes_.back();
  if (note.number == footnotes_) --footnotes_;
  note.number = ++endnotes_;
  note.endnote = true;
}

// A note's paragraphs are joined by a space.
void RtfReader::BreakInNote() {
  if (noteGap_ == NoteGap::None) noteGap_ = NoteGap::Space;
}

// After the note's group has closed: the bracket closes in the note's format, like the one
// that opened it; the body's own format comes back after it.
void RtfReader::EndNote() {
  noteGap_ = NoteGap::None;
  BeforeBodyText();
  builder_.Append(']');
  notes_.pop_back();
  dirty_ = true;
}

// --- text ---

// Brings the run format and code page up to date with the group's properties; text in the
// old format goes to the paragraph first.
void RtfReader::Refresh() {
  dirty_ = false;
  // A note shows the body's format, but its bytes are in its own font's code page.
  const CharState& chars = notes_.empty() ? group_.chars : bodyChars_;
  const auto slotOf = [this](int font) {
    const int slot = tables_.FontSlot(font);
    return slot >= 0 ? slot : tables_.FontSlot(defaultFont_);
  };
  RunKey key;
  key.fontSlot = slotOf(chars.font);
  const int codeSlot = notes_.empty() ? key.fontSlot : slotOf(group_.chars.font);
  codePage_ = codeSlot >= 0 && tables_.FontCodePage(codeSlot) ? tables_.FontCodePage(codeSlot)
                                                              : documentCodePage_;
  key.size = chars.size;
  if (const Color* color = tables_.ColorAt(chars.color)) key.color = *color;
  key.bold = chars.bold;
  key.italic = chars.italic;
  key.underline = chars.underline;
  key.strike = chars.strike;
  key.script = chars.script;
  if (key == key_) return;
  ApplyKey(key);
}

void RtfReader::ApplyKey(const RunKey& key) {
  key_ = key;
  CharFormat format;
  if (key.fontSlot >= 0) format.font = tables_.FontName(key.fontSlot);
  format.sizeHalfPoints = key.size;
  format.bold = key.bold;
  format.italic = key.italic;
  format.underline = key.underline;
  format.color = key.color;
  format.strike = key.strike;
  format.script = key.script;
  builder_.SetFormat(format);
}

void RtfReader::BreakParagraph() {
  if (builder_.CanEndParagraph()) {
    EndParagraph();
    return;
  }
  ResolveSurrogate();
  BeforeBodyText();
  builder_.Append('\n');
}

void RtfReader::EndParagraph() {
  ResolveSurrogate();
  if (dirty_) Refresh();
  builder_.EndParagraph(group_.paragraph);
  pendingCellTabs_ = 0;
  hasContent_ = false;
}

// Body text is about to grow: the format must be current and owed cell tabs written.
void RtfReader::BeforeBodyText() {
  if (dirty_) Refresh();
  if (pendingCellTabs_ > 0) {
    builder_.Append(pendingCellTabs_, '\t');
    pendingCellTabs_ = 0;
  }
  hasContent_ = true;
}

// False for a blank in a note's gap, which is dropped; the first other character closes the
// gap, after a space where one is owed.
bool RtfReader::PassNoteGap(char32_t codePoint) {
  if (codePoint == ' ' || codePoint == '\t' || codePoint == '\n' || codePoint == 0xA0) return false;
  if (noteGap_ == NoteGap::Space) builder_.Append(' ');
  noteGap_ = NoteGap::None;
  return true;
}

// False while a high surrogate waits for its low one; a low one makes the pair's character.
bool RtfReader::JoinSurrogates(char32_t& codePoint) {
  if (codePoint >= 0xD800 && codePoint <= 0xDBFF) {
    ResolveSurrogate();
    highSurrogate_ = codePoint;
    return false;
  }
  if (codePoint >= 0xDC00 && codePoint <= 0xDFFF) {
    codePoint = highSurrogate_ ? 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (codePoint - 0xDC00)
                               : 0xFFFD;
    highSurrogate_ = 0;
  } else {
    ResolveSurrogate();
  }
  return true;
}

// A high surrogate with no low one after it stands for a character we cannot know; the
// replacement goes where text goes now.
void RtfReader::ResolveSurrogate() {
  if (!highSurrogate_) return;
  highSurrogate_ = 0;
  (this->*group_.destination->put)(0xFFFD);
}

// The characters of a byte in a code page, to the destination's text.
void RtfReader::PutDecoded(CodePage codePage, unsigned char byte) {
  if (IsDoubleByteCodePage(codePage)) {
    if (IsLeadByte(codePage, byte)) {
      tokenizer_.SkipTrailByte();
      CodePoint(0xFFFD);  // we carry no double-byte tables
    } else {
      CodePoint(DoubleByteSingleToUnicode(codePage, byte));
    }
    return;
  }
  CodePoint(codePage == kCodePageWindows1252 ? Cp1252ToUnicode(byte)
                                             : SingleByteToUnicode(codePage, byte));
}

}  // namespace vorel
