// Font substitutions and the report's font.
#include "render/ReportFonts.h"

#include <QFont>

namespace vorel {

void InstallFontSubstitutes() {
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

QFont ReportFont() {
  QFont font(QStringLiteral("Times New Roman"));
  font.setPointSize(12);
  return font;
}

}  // namespace vorel
