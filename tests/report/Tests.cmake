list(APPEND VOREL_CORE_TEST_SOURCES
  report/CatalogueTest.cpp
  report/CatalogueSeamTest.cpp
  report/CompositionTest.cpp
)
list(APPEND VOREL_GUI_TEST_SOURCES
  report/VorelBtnTest.cpp
)
list(APPEND VOREL_GUI_TEST_CLASSES
  VorelBtnTest
)
