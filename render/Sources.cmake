# The report as a QTextDocument, on pages and in PDF.
set(VOREL_LAYER_SOURCES
  render/DocumentBridge.cpp
  render/PageLayout.cpp
  render/PdfReport.cpp
  render/ReportFonts.cpp
)
