// Window placement.
#include "gui/Placement.h"

#include <QWidget>
#include <algorithm>

#include "base/ProfileFile.h"

namespace vorel {

void ApplyMainPlacement(QWidget& mainWindow, const ProfileText& settings) {
  mainWindow.move(settings.ReadInteger("MainW", "x", 10), settings.ReadInteger("MainW", "y", 10));
}

void ApplyReportPlacement(QWidget& reportWindow, const ProfileText& settings, QSize screen) {
  if (settings.ReadInteger("AnalWin", "Maxi", 0) != 0) {
    // Restored, it takes its design placement; its position is the frame's, as everywhere.
    reportWindow.move(kReportDesignPlacement.topLeft());
    reportWindow.resize(kReportDesignPlacement.size());
    reportWindow.setWindowState(reportWindow.windowState() | Qt::WindowMaximized);
    return;
  }
  // The defaults centre a 600 x 300 window whatever "w" and "h" say; C++ division truncates
  // toward zero, as the halving must.
  reportWindow.move(settings.ReadInteger("AnalWin", "x", (screen.width() - 600) / 2),
                    settings.ReadInteger("AnalWin", "y", (screen.height() - 300) / 2));
  reportWindow.resize(settings.ReadInteger("AnalWin", "w", 600),
                      settings.ReadInteger("AnalWin", "h", 300));
}

QRect RecordedRect(const QWidget& window) {
  // Left and top are where move() puts the window; width and height what resize() takes,
  // so a placement read back gives the same window again.
  if (window.isMinimized()) {
    const QRect normal = window.normalGeometry();
    const QPoint frameOffset = window.geometry().topLeft() - window.pos();
    if (normal.isValid()) return QRect(normal.topLeft() - frameOffset, normal.size());
  }
  return QRect(window.pos(), window.size());
}

void SavePlacements(const QWidget& mainWindow, const QWidget& reportWindow, ProfileFile& settings) {
  const QRect main = RecordedRect(mainWindow);
  const QRect report = RecordedRect(reportWindow);
  // One reading and one writing of the file for all the keys, in the classic order; a file
  // that could not be read whole is left as it is, and the placement kept in memory only.
  settings.Update([&](ProfileText& entries) {
    entries.EraseSection("MainW");
    entries.WriteString("MainW", "x", std::to_string(main.x()));
    entries.WriteString("MainW", "y", std::to_string(main.y()));
    entries.WriteString("AnalWin", "x", std::to_string(report.x()));
    entries.WriteString("AnalWin", "y", std::to_string(report.y()));
    entries.WriteString("AnalWin", "w", std::to_string(report.width()));
    entries.WriteString("AnalWin", "h", std::to_string(report.height()));
    entries.WriteString("AnalWin", "Maxi", reportWindow.isMaximized() ? "1" : "0");
  });
}

}  // namespace vorel
