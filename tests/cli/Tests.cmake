list(APPEND VOREL_CORE_TEST_SOURCES
)
list(APPEND VOREL_GUI_TEST_SOURCES
  cli/PersonsTransferTest.cpp
  cli/ReportToolTest.cpp
  cli/ToolRunner.h
)
list(APPEND VOREL_GUI_TEST_CLASSES
  PersonsTransferTest
  ReportToolTest
)
