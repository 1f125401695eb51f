// Program paths through Qt Core.
#include "system/ProgramPaths.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QSettings>
#include <cstdlib>

namespace vorel {
namespace {

bool Exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// An XDG base folder: the variable when it holds an absolute path, else fallback under HOME.
std::string BaseDirectory(const char* variable, const char* fallback) {
  if (const char* value = std::getenv(variable); value && *value == '/') return value;
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + "/" + fallback;
}

}  // namespace

std::string ExecutableDirectory() {
  return (QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString();
}

std::string UserDataDirectory() {
  return BaseDirectory("XDG_DATA_HOME", ".local/share") + "/vorel/";
}

std::string RegisterFilePath(const std::string& programDir) {
  const std::string beside = programDir + "VOREL.DAT";
  // Whatever is there counts, so that a damaged one is reported rather than passed over.
  return Exists(beside) ? beside : UserDataDirectory() + "VOREL.DAT";
}

std::string HelpFilePath(const std::string& programDir) {
  const std::string beside = programDir + "VOREL.HLP";
  if (IsRegularFile(beside)) return beside;
  const std::string installed = programDir + "../share/vorel/VOREL.HLP";
  return IsRegularFile(installed) ? installed : beside;
}

void KeepToolkitSettingsInCache() {
  const QString dir = QString::fromStdString(BaseDirectory("XDG_CACHE_HOME", ".cache") + "/vorel");
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
}

}  // namespace vorel
