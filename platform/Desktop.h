// Stand-ins for the desktop services the program uses: fonts and translations, the
// primary screen's size, opening a web address, the locale's calendar names, the program's
// directory. The seams let tests observe or fix what the desktop would give.
#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "numerology/Calendar.h"

class QApplication;

namespace vorel {

// Font substitutions for the names the windows use, Qt's own dialogs in French, the
// program's icon.
void InstallDesktopDefaults(QApplication& app);

QSize PrimaryScreenSize();
void SetScreenSizeOverride(std::optional<QSize> size);

// Hands the address to the user's default program; the result is not looked at.
void OpenUrl(const QString& address);
void SetUrlOpener(std::function<void(const QString&)> opener);  // empty: the desktop's

// The system locale's long week-day and month names; the French fallback names under the C
// or POSIX locale.
CalendarNames SystemCalendarNames();

// The directory of the running executable, with a trailing '/'.
std::string ExecutableDirectory();

// The pictures, cursor and icon compiled into the program: they live in a static library, so
// each program registers them once before any window is made.
void InitResources();

}  // namespace vorel
