// The report on pages: the layout the report window prints with and the PDF writer uses.
#pragma once

#include <memory>

class QPagedPaintDevice;
class QPainter;
class QPaintDevice;
class QTextDocument;

namespace vorel {

// A copy of the document laid out in pages of the device's whole area, with no margin of our
// own; indents keep their size in points at the device's resolution.
std::unique_ptr<QTextDocument> LayOutForDevice(const QTextDocument& source, QPaintDevice& device);

// Paints the document copies times on the device's paint area (inside the device's page
// margins), each copy from a new page, pages following one another until the text is done;
// no header, footer or page number. The painter must be active on the device. Returns the
// number of pages painted.
int PaintPages(const QTextDocument& source, QPagedPaintDevice& device, QPainter& painter,
               int copies);

}  // namespace vorel
