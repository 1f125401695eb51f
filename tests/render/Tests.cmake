list(APPEND VOREL_GUI_TEST_SOURCES
  render/DocumentBridgeTest.cpp
  render/PdfReportTest.cpp
)
list(APPEND VOREL_GUI_TEST_CLASSES
  DocumentBridgeTest
  PdfReportTest
)
