// Window placement.
#include "gui/Placement.h"

#include <QWidget>
#include <algorithm>

#include "base/ProfileFile.h"

namespace vorel {

void ApplyMainPlacement(QWidget& mainWindow, const ProfileFile& settings) {
  mainWindow.move(settings.ReadInteger("MainW", "x", 10), settings.ReadInteger("MainW", "y", 10));
}

void ApplyReportPlacement(QWidget& reportWindow, const ProfileFile& settings, QSize screen) {
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
  settings.EraseSection("MainW");
  const QRect main = RecordedRect(mainWindow);
  settings.WriteInteger("MainW", "x", main.x());
  settings.WriteInteger("MainW", "y", main.y());
  const QRect report = RecordedRect(reportWindow);
  settings.WriteInteger("AnalWin", "x", report.x());
  settings.WriteInteger("AnalWin", "y", report.y());
  settings.WriteInteger("AnalWin", "w", report.width());
  settings.WriteInteger("AnalWin", "h", report.height());
  settings.WriteString("AnalWin", "Maxi", reportWindow.isMaximized() ? "1" : "0");
}

}  // namespace vorel
