// RichDocument <-> QTextDocument.
#include "render/DocumentBridge.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>
#include <cmath>

namespace vorel {
namespace {

// The control cannot draw leaders; they ride along in the block format, one character per
// stop, so that a save keeps them. kImplicitStop marks a stop that is not in the data.
constexpr int kTabLeadersProperty = QTextFormat::UserProperty + 1;
constexpr char16_t kImplicitStop = u'-';
// A decimal stop aligns on the separator of French numbers.
constexpr char16_t kDecimalSeparator = u',';

QTextOption::TabType ToQt(TabKind kind) {
  switch (kind) {
    case TabKind::Center:
      return QTextOption::CenterTab;
    case TabKind::Right:
      return QTextOption::RightTab;
    case TabKind::Decimal:
      return QTextOption::DelimiterTab;
    case TabKind::Left:
      break;
  }
  return QTextOption::LeftTab;
}

TabKind FromQt(QTextOption::TabType type) {
  switch (type) {
    case QTextOption::CenterTab:
      return TabKind::Center;
    case QTextOption::RightTab:
      return TabKind::Right;
    case QTextOption::DelimiterTab:
      return TabKind::Decimal;
    case QTextOption::LeftTab:
      break;
  }
  return TabKind::Left;
}

// The control measures tab positions from the start of each line, the data from the left
// edge of the text: the first line's start is the reference, since tabs in a paragraph are
// nearly always on its first line (a list's number and its text). In pixels: indents read
// from a file may be as large as an int holds, and their sum in twips would overflow.
double FirstLineStart(const ParagraphFormat& f) {
  return TwipsToPixels(f.leftIndent) + TwipsToPixels(f.firstIndent);
}

QTextCharFormat ToQt(const CharFormat& f) {
  QTextCharFormat q;
  q.setFontFamilies(QStringList{QString::fromStdString(f.font)});
  q.setFontPointSize(f.sizeHalfPoints / 2.0);
  q.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
  q.setFontItalic(f.italic);
  q.setFontUnderline(f.underline);
  q.setForeground(QColor(f.color.red, f.color.green, f.color.blue));
  q.setFontStrikeOut(f.strike);
  switch (f.script) {
    case Script::Normal:
      break;
    case Script::Super:
      q.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
      break;
    case Script::Sub:
      q.setVerticalAlignment(QTextCharFormat::AlignSubScript);
      break;
  }
  return q;
}

QTextBlockFormat ToQt(const ParagraphFormat& f) {
  QTextBlockFormat q;
  q.setLeftMargin(TwipsToPixels(f.leftIndent));
  q.setRightMargin(TwipsToPixels(f.rightIndent));
  q.setTextIndent(TwipsToPixels(f.firstIndent));
  // Word processors take a hanging indent for a tab stop, so that a list's text after its
  // number lines up with the lines below it.
  const bool hanging =
      f.firstIndent < 0 && std::none_of(f.tabs.begin(), f.tabs.end(), [&](const TabStop& stop) {
        return stop.position == f.leftIndent;
      });
  if (!f.tabs.empty() || hanging) {
    QList<QTextOption::Tab> tabs;
    QString leaders;
    bool implicitDone = !hanging;
    for (const TabStop& stop : f.tabs) {
      if (!implicitDone && stop.position > f.leftIndent) {
        tabs.append(QTextOption::Tab(-TwipsToPixels(f.firstIndent), QTextOption::LeftTab));
        leaders.append(QChar(kImplicitStop));
        implicitDone = true;
      }
      QTextOption::Tab tab(TwipsToPixels(stop.position) - FirstLineStart(f), ToQt(stop.kind));
      if (stop.kind == TabKind::Decimal) tab.delimiter = QChar(kDecimalSeparator);
      tabs.append(tab);
      leaders.append(QChar(u'0' + static_cast<int>(stop.leader)));
    }
    if (!implicitDone) {
      tabs.append(QTextOption::Tab(-TwipsToPixels(f.firstIndent), QTextOption::LeftTab));
      leaders.append(QChar(kImplicitStop));
    }
    q.setTabPositions(tabs);
    if (leaders.count(QChar(u'0')) != leaders.size()) q.setProperty(kTabLeadersProperty, leaders);
  }
  switch (f.alignment) {
    case Alignment::Left:
      q.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
      break;
    case Alignment::Center:
      q.setAlignment(Qt::AlignHCenter);
      break;
    case Alignment::Right:
      q.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
      break;
    case Alignment::Justify:
      q.setAlignment(Qt::AlignJustify);
      break;
  }
  return q;
}

CharFormat FromQt(const QTextCharFormat& q, const QFont& base) {
  CharFormat f;
  const QStringList families = q.fontFamilies().toStringList();
  f.font = (families.isEmpty() ? base.family() : families.first()).toStdString();
  const double points =
      q.hasProperty(QTextFormat::FontPointSize) ? q.fontPointSize() : base.pointSizeF();
  f.sizeHalfPoints = points > 0 ? static_cast<int>(std::lround(points * 2)) : 24;
  f.bold = q.hasProperty(QTextFormat::FontWeight) ? q.fontWeight() >= QFont::DemiBold : base.bold();
  f.italic = q.fontItalic();
  f.underline = q.fontUnderline();
  f.strike = q.fontStrikeOut();
  if (q.verticalAlignment() == QTextCharFormat::AlignSuperScript)
    f.script = Script::Super;
  else if (q.verticalAlignment() == QTextCharFormat::AlignSubScript)
    f.script = Script::Sub;
  if (q.hasProperty(QTextFormat::ForegroundBrush)) {
    const QColor c = q.foreground().color();
    f.color = Color{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                    static_cast<std::uint8_t>(c.blue())};
  }
  return f;
}

ParagraphFormat FromQt(const QTextBlockFormat& q) {
  ParagraphFormat f;
  f.leftIndent = PixelsToTwips(q.leftMargin());
  f.rightIndent = PixelsToTwips(q.rightMargin());
  f.firstIndent = PixelsToTwips(q.textIndent());
  const QList<QTextOption::Tab> tabs = q.tabPositions();
  const QString leaders = q.stringProperty(kTabLeadersProperty);
  for (qsizetype i = 0; i < tabs.size(); ++i) {
    if (i < leaders.size() && leaders[i] == QChar(kImplicitStop)) continue;
    TabStop stop{PixelsToTwips(tabs[i].position + FirstLineStart(f)), FromQt(tabs[i].type)};
    const int leader = i < leaders.size() ? leaders[i].unicode() - u'0' : 0;
    if (leader > 0 && leader <= static_cast<int>(TabLeader::Equals))
      stop.leader = static_cast<TabLeader>(leader);
    f.tabs.push_back(stop);
  }
  const Qt::Alignment a = q.alignment() & Qt::AlignHorizontal_Mask;
  if (a & Qt::AlignHCenter)
    f.alignment = Alignment::Center;
  else if (a & Qt::AlignJustify)
    f.alignment = Alignment::Justify;
  else if (a & Qt::AlignRight)
    f.alignment = Alignment::Right;
  return f;
}

// Run text in the control: line breaks are line separators.
QString ToQtText(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace(QLatin1Char('\n'), QChar(QChar::LineSeparator));
  return s;
}

std::string FromQtText(QString s) {
  s.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
  s.remove(QChar(QChar::ObjectReplacementCharacter));
  return s.toStdString();
}

// Appends the blocks of [from, to) of the document, cut to that range.
void AppendBlocks(const QTextDocument& doc, int from, int to, RichDocument& out) {
  const QFont base = doc.defaultFont();
  // A selection that ends just after a paragraph end does not take the next paragraph.
  for (QTextBlock block = doc.findBlock(from);
       block.isValid() && (block.position() < to || block.position() <= from);
       block = block.next()) {
    Paragraph p;
    p.format = FromQt(block.blockFormat());
    p.markFormat = FromQt(block.charFormat(), base);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const int start = std::max(fragment.position(), from);
      const int end = std::min(fragment.position() + fragment.length(), to);
      if (start >= end) continue;
      const QString text = fragment.text().mid(start - fragment.position(), end - start);
      const CharFormat format = FromQt(fragment.charFormat(), base);
      AppendRun(p, FromQtText(text), format);
    }
    out.paragraphs.push_back(std::move(p));
    if (block.position() + block.length() > to) break;
  }
}

}  // namespace

int PixelsToTwips(double pixels) {
  return static_cast<int>(std::lround(pixels * 15.0));
}

void LoadDocument(const RichDocument& source, QTextDocument& target) {
  // A load is not an edit: recording it for undo would only cost time and memory.
  const bool undo = target.isUndoRedoEnabled();
  target.setUndoRedoEnabled(false);
  target.clear();
  QTextCursor cursor(&target);
  cursor.beginEditBlock();
  bool first = true;
  for (const Paragraph& p : source.paragraphs) {
    if (first) {
      cursor.setBlockFormat(ToQt(p.format));
      cursor.setBlockCharFormat(ToQt(p.markFormat));
      first = false;
    } else {
      cursor.insertBlock(ToQt(p.format), ToQt(p.markFormat));
    }
    for (const Run& run : p.runs) cursor.insertText(ToQtText(run.text), ToQt(run.format));
  }
  cursor.endEditBlock();
  // The loaded document is where the edit history starts (disabling undo emptied it): undo
  // must not take it away, and undoing back to it comes back to the state the caller sets now.
  target.setUndoRedoEnabled(undo);
  target.setModified(false);
}

RichDocument SaveDocument(const QTextDocument& source) {
  RichDocument out;
  AppendBlocks(source, 0, source.characterCount(), out);
  return out;
}

RichDocument SaveSelection(const QTextCursor& cursor) {
  RichDocument out;
  if (!cursor.hasSelection() || !cursor.document()) return out;
  AppendBlocks(*cursor.document(), cursor.selectionStart(), cursor.selectionEnd(), out);
  return out;
}

}  // namespace vorel
