list(APPEND VOREL_CORE_TEST_SOURCES
)
list(APPEND VOREL_GUI_TEST_SOURCES
  reportwin/ReportWindowTest.cpp
)
list(APPEND VOREL_GUI_TEST_CLASSES
  ReportWindowTest
)
