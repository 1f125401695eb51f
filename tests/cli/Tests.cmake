list(APPEND VOREL_CORE_TEST_SOURCES
)
# vorel-report's library in-process, in a program of its own without an application object,
# so that its tests may fork.
list(APPEND VOREL_CLI_TEST_SOURCES
  cli/InProcessTool.h
  cli/PersonsTransferTest.cpp
  cli/ReportToolLibraryTest.cpp
)
# The program itself: its exit statuses and output, and its reports against the window's.
list(APPEND VOREL_GUI_TEST_SOURCES
  cli/ReportToolTest.cpp
  cli/ToolRunner.h
)
list(APPEND VOREL_GUI_TEST_CLASSES
  ReportToolTest
)
