# Dates, the numbers of a name and a date, the calendar results, the thème's numbers and
# those of two persons.
set(VOREL_LAYER_SOURCES
  numerology/DateText.cpp
  numerology/Numbers.cpp
  numerology/Calendar.cpp
  numerology/Reckoning.cpp
  numerology/Theme.cpp
  numerology/Couple.cpp
)
