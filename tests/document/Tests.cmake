list(APPEND VOREL_CORE_TEST_SOURCES
  document/LongParagraphsTest.cpp
  document/PlainTextTest.cpp
  document/RtfOracleTest.cpp
  document/RtfReaderTest.cpp
  document/RtfTestDocuments.h
  document/RtfWriterTest.cpp
)
list(APPEND VOREL_GUI_TEST_SOURCES
)
list(APPEND VOREL_GUI_TEST_CLASSES
)
