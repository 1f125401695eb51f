// RichDocument <-> QTextDocument.
#include "render/DocumentBridge.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <cmath>

namespace vorel {
namespace {

QTextCharFormat ToQt(const CharFormat& f) {
  QTextCharFormat q;
  q.setFontFamilies(QStringList{QString::fromStdString(f.font)});
  q.setFontPointSize(f.sizeHalfPoints / 2.0);
  q.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
  q.setFontItalic(f.italic);
  q.setFontUnderline(f.underline);
  q.setForeground(QColor(f.color.red, f.color.green, f.color.blue));
  return q;
}

QTextBlockFormat ToQt(const ParagraphFormat& f) {
  QTextBlockFormat q;
  q.setLeftMargin(TwipsToPixels(f.leftIndent));
  q.setRightMargin(TwipsToPixels(f.rightIndent));
  q.setTextIndent(TwipsToPixels(f.firstIndent));
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
  // The loaded document is where the edit history starts: undo must not take it away, and
  // undoing back to it comes back to the state the caller sets now.
  target.clearUndoRedoStacks();
  target.setModified(false);
}

std::unique_ptr<QTextDocument> LayOutForDevice(const QTextDocument& source, QPaintDevice& device) {
  std::unique_ptr<QTextDocument> doc(source.clone());
  doc->documentLayout()->setPaintDevice(&device);
  // Fonts follow the device's resolution by themselves; indents are in pixels of 1/96 inch and
  // must be scaled to it.
  const double scale = device.logicalDpiX() / 96.0;
  QTextCursor cursor(doc.get());
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    QTextBlockFormat format = block.blockFormat();
    format.setLeftMargin(format.leftMargin() * scale);
    format.setRightMargin(format.rightMargin() * scale);
    format.setTextIndent(format.textIndent() * scale);
    cursor.setPosition(block.position());
    cursor.setBlockFormat(format);
  }
  QTextFrameFormat frame = doc->rootFrame()->frameFormat();
  frame.setMargin(0);
  frame.setPadding(0);
  doc->rootFrame()->setFrameFormat(frame);
  doc->setPageSize(QSizeF(device.width(), device.height()));
  return doc;
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
