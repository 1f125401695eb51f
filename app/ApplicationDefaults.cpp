// The application's defaults.
#include "app/ApplicationDefaults.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "gui/Accessibility.h"
#include "render/ReportFonts.h"

// Outside any namespace, as the resource compiler's initialiser requires.
static void InitVorelQrc() {
  Q_INIT_RESOURCE(vorel);
}

namespace vorel {

void InitResources() {
  InitVorelQrc();
}

void InstallApplicationDefaults(QApplication& app) {
  InitResources();
  // The windows keep the font names they were designed with.
  InstallFontSubstitutes();
  // Every text the user sees is French, the toolkit's own dialogs included.
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
  app.setWindowIcon(QIcon(QStringLiteral(":/vorel/icon.png")));
  InstallAccessibility();
}

}  // namespace vorel
