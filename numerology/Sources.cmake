# Dates, the numbers of a name and a date, the calendar results.
set(VOREL_LAYER_SOURCES
  numerology/DateText.cpp
  numerology/Numbers.cpp
  numerology/Calendar.cpp
)
