list(APPEND VOREL_CORE_TEST_SOURCES
  platform/ErrorTest.cpp
  platform/ProfileFileTest.cpp
)
list(APPEND VOREL_GUI_TEST_SOURCES
)
list(APPEND VOREL_GUI_TEST_CLASSES
)
