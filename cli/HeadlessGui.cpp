// A QGuiApplication that never opens a display.
#include "cli/HeadlessGui.h"

#include <QGuiApplication>
#include <QtGlobal>

#include "render/ReportFonts.h"

namespace vorel {
namespace {

QtMessageHandler gPreviousHandler = nullptr;

// The platform's start-up warns about session matters a PDF writer never uses (no
// XDG_RUNTIME_DIR as root or in CI); the tool's error output is for the user's own faults.
void QuietStartup(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
  if (gPreviousHandler) gPreviousHandler(type, context, message);
}

}  // namespace

void StartHeadlessGui() {
  if (QGuiApplication::instance()) return;
  // Whatever platform the environment names, the tool shows nothing: a display named for
  // other programs (QT_QPA_PLATFORM=xcb over ssh) must not stop it.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "vorel-report";
  static char* argv[] = {name, nullptr};
  gPreviousHandler = qInstallMessageHandler(QuietStartup);
  // Lives until the program ends; its destruction at exit would come after main's return
  // anyway.
  new QGuiApplication(argc, argv);
  qInstallMessageHandler(gPreviousHandler);
  InstallFontSubstitutes();
}

}  // namespace vorel
