list(APPEND VOREL_CORE_TEST_SOURCES
  register/PersonsCsvTest.cpp
  register/RegisterFileTest.cpp
)
list(APPEND VOREL_GUI_TEST_SOURCES
  register/DialogDriver.h
  register/SfichierTest.cpp
  register/SsaisieTest.cpp
  register/SchoixpTest.cpp
)
list(APPEND VOREL_GUI_TEST_CLASSES
  SfichierTest
  SsaisieTest
  SchoixpTest
)
