list(APPEND VOREL_CORE_TEST_SOURCES
)
list(APPEND VOREL_GUI_TEST_SOURCES
  app/AboutTest.cpp
  app/PlacementTest.cpp
  app/StartupTest.cpp
)
list(APPEND VOREL_GUI_TEST_CLASSES
  AboutTest
  PlacementTest
  StartupTest
)
