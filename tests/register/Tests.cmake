list(APPEND VOREL_CORE_TEST_SOURCES
  register/LoadMessage.h
  register/PersonsCsvTest.cpp
  register/RegisterTest.cpp
  register/UserFilesTest.cpp
)
list(APPEND VOREL_GUI_TEST_SOURCES
)
list(APPEND VOREL_GUI_TEST_CLASSES
)
