list(APPEND VOREL_CORE_TEST_SOURCES
  numerology/NumbersTest.cpp
  numerology/CalendarTest.cpp
  numerology/CoupleTest.cpp
  numerology/DateTextTest.cpp
  numerology/ThemeTest.cpp
)
list(APPEND VOREL_GUI_TEST_SOURCES
)
list(APPEND VOREL_GUI_TEST_CLASSES
)
