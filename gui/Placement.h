// Where the main window and the report window stand, kept in vorel.ini between runs.
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace vorel {

class ProfileFile;
class ProfileText;

// The report window's placement in its design: where it goes when a window that opened
// maximised is restored.
inline constexpr QRect kReportDesignPlacement{231, 225, 600, 300};
// The smallest report window that still shows its buttons and some text: the user cannot make
// it smaller, and a smaller size kept in the settings opens at this one.
inline constexpr QSize kReportMinimumSize{300, 150};

// "MainW" "x" and "y", 10 and 10 by default.
void ApplyMainPlacement(QWidget& mainWindow, const ProfileText& settings);

// "AnalWin" "Maxi"; when not maximised "x", "y", "w", "h", centred on the screen by default.
void ApplyReportPlacement(QWidget& reportWindow, const ProfileText& settings, QSize screen);

// Erases "MainW", writes its "x" and "y", then "AnalWin" "x", "y", "w", "h" and "Maxi", in one
// writing of the file; nothing when the file could not be read whole. Throws the error of a
// writing that fails.
void SavePlacements(const QWidget& mainWindow, const QWidget& reportWindow, ProfileFile& settings);

// The rectangle recorded for a window: its restored one when minimised, its own otherwise.
QRect RecordedRect(const QWidget& window);

}  // namespace vorel
