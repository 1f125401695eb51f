// The report as a PDF document, without a window or a display.
#pragma once

#include <string>

namespace vorel {

struct RichDocument;

// The bytes of a PDF file that holds the document as the report window prints it, on A4
// pages with margins of 20 mm, the report's fonts embedded, pages following one another.
// title (UTF-8) becomes the document's title.
// Needs a QGuiApplication (any platform, offscreen included) with the font substitutes
// installed.
std::string ReportPdf(const RichDocument& document, const std::string& title);

}  // namespace vorel
