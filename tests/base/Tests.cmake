list(APPEND VOREL_CORE_TEST_SOURCES
  base/ErrorTest.cpp
  base/FileLockTest.cpp
  base/ProfileFileTest.cpp
  base/SaveRaceTest.cpp
)
list(APPEND VOREL_GUI_TEST_SOURCES
)
list(APPEND VOREL_GUI_TEST_CLASSES
)
