// Desktop services through Qt.
#include "platform/Desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <QUrl>

static void InitVorelQrc() {
  Q_INIT_RESOURCE(vorel);
}

namespace vorel {
namespace {

std::optional<QSize> gScreenOverride;
std::function<void(const QString&)> gUrlOpener;

}  // namespace

void InitResources() {
  InitVorelQrc();
}

void InstallDesktopDefaults(QApplication& app) {
  InitResources();
  // The windows keep the font names they were designed with; these are the metric
  // equivalents on this platform.
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  // Every text the user sees is French, the toolkit's own dialogs included.
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
  app.setWindowIcon(QIcon(QStringLiteral(":/vorel/icon.png")));
}

QSize PrimaryScreenSize() {
  if (gScreenOverride) return *gScreenOverride;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) return screen->geometry().size();
  return QSize(1024, 768);
}

void SetScreenSizeOverride(std::optional<QSize> size) {
  gScreenOverride = size;
}

void OpenUrl(const QString& address) {
  if (gUrlOpener) {
    gUrlOpener(address);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void SetUrlOpener(std::function<void(const QString&)> opener) {
  gUrlOpener = std::move(opener);
}

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

std::string ExecutableDirectory() {
  return (QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString();
}

}  // namespace vorel
