list(APPEND VOREL_CORE_TEST_SOURCES
  report/CatalogueTest.cpp
  report/CatalogueSeamTest.cpp
  report/ContentWords.cpp
  report/CompositionTest.cpp
  report/ThemeReportTest.cpp
  report/CoupleReportTest.cpp
  report/ThemeAndCoupleSeamTest.cpp
)
list(APPEND VOREL_GUI_TEST_SOURCES
)
list(APPEND VOREL_GUI_TEST_CLASSES
)
