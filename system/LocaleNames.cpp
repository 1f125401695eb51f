// Locale names through Qt Core.
#include "system/LocaleNames.h"

#include <QLocale>

namespace vorel {

CalendarNames SystemCalendarNames() {
  const QLocale locale = QLocale::system();
  if (locale.language() == QLocale::C) return FallbackNames();
  CalendarNames names;
  for (int day = 0; day < 7; ++day)  // QLocale counts Monday as 1 and Sunday as 7
    names.weekDays[day] = locale.dayName(day == 0 ? 7 : day, QLocale::LongFormat).toStdString();
  for (int month = 1; month <= 12; ++month)
    names.months[month - 1] = locale.monthName(month, QLocale::LongFormat).toStdString();
  return names;
}

}  // namespace vorel
