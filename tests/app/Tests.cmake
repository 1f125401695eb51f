list(APPEND VOREL_CORE_TEST_SOURCES
)
list(APPEND VOREL_GUI_TEST_SOURCES
  app/StartupTest.cpp
  app/PlacementTest.cpp
  app/ComposeReportTest.cpp
  app/HelpKeyTest.cpp
)
list(APPEND VOREL_GUI_TEST_CLASSES
  StartupTest
  PlacementTest
  ComposeReportTest
  HelpKeyTest
)
