list(APPEND VOREL_CORE_TEST_SOURCES
)
list(APPEND VOREL_GUI_TEST_SOURCES
  gui/DialogDriver.h
  gui/AboutBoxTest.cpp
  gui/ContrastTest.cpp
  gui/HelpAccessibleTest.cpp
  gui/RegisterEditorTest.cpp
  gui/PersonEntryDialogTest.cpp
  gui/PersonChooserTest.cpp
  gui/ReportWindowTest.cpp
  gui/WindowLayoutTest.cpp
)
list(APPEND VOREL_GUI_TEST_CLASSES
  AboutBoxTest
  ContrastTest
  HelpAccessibleTest
  RegisterEditorTest
  PersonEntryDialogTest
  PersonChooserTest
  ReportWindowTest
  WindowLayoutTest
)
