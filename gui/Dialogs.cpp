// The windows' boxes and dialogs, through the desktop seam.
#include "gui/Dialogs.h"

#include "base/Error.h"
#include "gui/Desktop.h"

namespace vorel {

void ShowErrorBox(const QString& message) {
  const QString text = QString::fromStdString(ErrorBoxText(message.toStdString()));
  CurrentDesktop().ShowBox({BoxKind::Error, QStringLiteral("Vorel"), text});
}

Answer AskConfirmation(const QString& question) {
  return CurrentDesktop().ShowBox(
      {BoxKind::Confirmation, QStringLiteral("Confirmation"), question});
}

void ShowWarning(const QString& text) {
  CurrentDesktop().ShowBox({BoxKind::Warning, QStringLiteral("Avertissement"), text});
}

std::optional<QString> GetFileName(QWidget* parent, const FileRequest& request) {
  return CurrentDesktop().AskFileName(parent, request);
}

std::optional<int> RunPrintDialog(QWidget* parent, QPrinter& printer, int helpContext) {
  return CurrentDesktop().AskPrint(parent, printer, helpContext);
}

void ShowHelpTopic(int topic) {
  CurrentDesktop().ShowHelp(topic);
}

}  // namespace vorel
