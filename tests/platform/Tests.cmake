list(APPEND VOREL_CORE_TEST_SOURCES
  platform/ErrorTest.cpp
  platform/PlainTextTest.cpp
  platform/ProfileFileTest.cpp
  platform/RtfOracleTest.cpp
  platform/RtfReaderTest.cpp
  platform/RtfWriterTest.cpp
)
list(APPEND VOREL_GUI_TEST_SOURCES
)
list(APPEND VOREL_GUI_TEST_CLASSES
)
