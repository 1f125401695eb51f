// What the application sets up once, before any window is made: the pictures compiled into
// the program, the font names the windows use, Qt's own dialogs in French, the icon, what a
// screen reader is told of the program's windows.
#pragma once

class QApplication;

namespace vorel {

// The pictures, cursor and icon compiled into the program: they live in a static library, so
// each program registers them once before any window is made.
void InitResources();

// The resources, the font substitutions, the French translation of Qt's dialogs, the icon,
// the accessible interfaces.
void InstallApplicationDefaults(QApplication& app);

}  // namespace vorel
