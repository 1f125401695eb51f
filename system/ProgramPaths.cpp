// Program paths through Qt Core.
#include "system/ProgramPaths.h"

#include <QCoreApplication>

namespace vorel {

std::string ExecutableDirectory() {
  return (QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString();
}

}  // namespace vorel
