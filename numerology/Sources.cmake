list(APPEND VOREL_CORE_SOURCES
  numerology/Numbers.cpp
  numerology/Calendar.cpp
)
list(APPEND VOREL_GUI_SOURCES
)
