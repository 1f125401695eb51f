// The start-up sequence: logo, the windows, splash, main loop.
#pragma once

#include <memory>

#include "app/ProgramWindows.h"

class QApplication;

namespace vorel {

// Busy cursor, logo and its wait, title, the windows, splash, default cursor, main loop.
// Returns the main loop's exit code. desktop as for ProgramWindows.
int RunStartup(QApplication& app, const StartupOptions& options,
               std::unique_ptr<Desktop> desktop = {});

}  // namespace vorel
