// Laying the report out on pages and painting them.
#include "render/PageLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

namespace vorel {

std::unique_ptr<QTextDocument> LayOutForDevice(const QTextDocument& source, QPaintDevice& device) {
  std::unique_ptr<QTextDocument> doc(source.clone());
  // Fonts and tab positions follow the device's resolution by themselves; indents are in
  // pixels of 1/96 inch and must be scaled to it. Done in one edit before the layout exists:
  // a layout present during the changes would lay the text out again for each paragraph.
  const double scale = device.logicalDpiX() / 96.0;
  QTextCursor cursor(doc.get());
  cursor.beginEditBlock();
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
  cursor.endEditBlock();
  doc->documentLayout()->setPaintDevice(&device);
  doc->setPageSize(QSizeF(device.width(), device.height()));
  return doc;
}

namespace {

// The lines whose top lies on the page, from block on; returns the block the next page starts
// with. The layout keeps every line on one page; but drawn through
// QTextDocument::drawContents, a paragraph that runs onto the next page also draws its line
// just above each page's clip, and a line starting right at a page's end below it: hidden by
// the clip, they stay in a PDF's text, read twice by whoever copies or searches it.
QTextBlock DrawPage(const QTextDocument& doc, QPainter& painter, const QRectF& page,
                    QTextBlock block) {
  painter.setClipRect(page);
  QAbstractTextDocumentLayout* layout = doc.documentLayout();
  for (; block.isValid(); block = block.next()) {
    const QRectF box = layout->blockBoundingRect(block);
    if (box.top() >= page.bottom()) break;
    const QTextLayout* lines = block.layout();
    const QPointF origin = lines->position();
    for (int i = 0; i < lines->lineCount(); ++i) {
      const QTextLine line = lines->lineAt(i);
      const double top = origin.y() + line.y();
      // Half a pixel either way for the rounding of the page breaks.
      if (top >= page.top() - 0.5 && top < page.bottom() - 0.5) line.draw(&painter, origin);
    }
    // A paragraph the page cuts goes on with the next page.
    if (box.bottom() > page.bottom()) break;
  }
  return block;
}

}  // namespace

int PaintPages(const QTextDocument& source, QPagedPaintDevice& device, QPainter& painter,
               int copies) {
  const std::unique_ptr<QTextDocument> doc = LayOutForDevice(source, device);
  const QRectF page(0, 0, device.width(), device.height());
  const int pages = doc->pageCount();
  int painted = 0;
  for (int copy = 0; copy < copies; ++copy) {
    QTextBlock block = doc->begin();
    for (int p = 0; p < pages; ++p) {
      if (painted > 0) device.newPage();
      painter.save();
      painter.translate(0, -p * page.height());
      block = DrawPage(*doc, painter, page.translated(0, p * page.height()), block);
      painter.restore();
      ++painted;
    }
  }
  return painted;
}

}  // namespace vorel
