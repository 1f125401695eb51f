// The boxes every window shows, in the words and titles of the program.
#include "gui/Desktop.h"

#include "base/Error.h"

namespace vorel {

void Desktop::showError(const QString& message) {
  const QString text = QString::fromStdString(ErrorBoxText(message.toStdString()));
  showBox({BoxKind::Error, QStringLiteral("Vorel"), text});
}

Answer Desktop::askConfirmation(const QString& question) {
  return showBox({BoxKind::Confirmation, QStringLiteral("Confirmation"), question});
}

void Desktop::showWarning(const QString& text) {
  showBox({BoxKind::Warning, QStringLiteral("Avertissement"), text});
}

}  // namespace vorel
