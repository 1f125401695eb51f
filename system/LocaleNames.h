// The user's locale names for week days and months, as the core takes them: as data.
#pragma once

#include "numerology/Calendar.h"

namespace vorel {

// The system locale's long week-day and month names; the French fallback names under the C
// or POSIX locale.
CalendarNames SystemCalendarNames();

}  // namespace vorel
