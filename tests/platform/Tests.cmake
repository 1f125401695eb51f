list(APPEND VOREL_CORE_TEST_SOURCES
  platform/RtfWriterTest.cpp
  platform/RtfReaderTest.cpp
  platform/RtfOracleTest.cpp
  platform/PlainTextTest.cpp
)
list(APPEND VOREL_GUI_TEST_SOURCES
)
list(APPEND VOREL_GUI_TEST_CLASSES
)
