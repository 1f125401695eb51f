// The start-up sequence: logo, the windows, splash, main loop.
#pragma once

#include <string>
#include <vector>

#include "app/ProgramWindows.h"

class QApplication;

namespace vorel {

// Busy cursor, logo and its wait, title, the windows, splash, default cursor, main loop.
// Returns the main loop's exit code. log as for ProgramWindows, plus "Logo", "Splash" and
// "MainLoop" at the steps they mark.
int RunStartup(QApplication& app, const StartupOptions& options,
               std::vector<std::string>* log = nullptr);

}  // namespace vorel
