// The report through the toolkit's PDF writer.
#include "render/PdfReport.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include "base/Error.h"
#include "render/DocumentBridge.h"
#include "render/PageLayout.h"
#include "render/ReportFonts.h"

namespace vorel {
namespace {

// High resolution, A4, and margins a home printer can print: 20 mm on every side.
constexpr int kResolution = 1200;
const QMarginsF kMargins(20, 20, 20, 20);

}  // namespace

std::string ReportPdf(const RichDocument& document, const std::string& title) {
  QTextDocument text;
  text.setDefaultFont(ReportFont());
  LoadDocument(document, text);

  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMargins,
                                     QPageLayout::Millimeter));
    writer.setTitle(QString::fromStdString(title));
    writer.setCreator(QStringLiteral("Vorel"));
    QPainter painter;
    if (!painter.begin(&writer)) throw Error("Impossible d'écrire le vorel en PDF");
    PaintPages(text, writer, painter, 1);
    painter.end();
  }
  return bytes.toStdString();
}

}  // namespace vorel
