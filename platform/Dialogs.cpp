// Message boxes and common dialogs, real or answered by a test hook.
#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "platform/Error.h"

namespace vorel {
namespace {

DialogHook* gHook = nullptr;

// Ctrl+C copies a box's title, text and buttons, as on the desktop the program comes from,
// so a user can paste an error message into a mail.
class MessageBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Copy)) {
      const QString rule = QStringLiteral("---------------------------\n");
      QString buttons;
      for (QAbstractButton* b : this->buttons())
        buttons += b->text().remove(QLatin1Char('&')) + "   ";
      QGuiApplication::clipboard()->setText(rule + windowTitle() + "\n" + rule + text() + "\n" +
                                            rule + buttons.trimmed() + "\n" + rule);
      event->accept();
      return;
    }
    QMessageBox::keyPressEvent(event);
  }
};
void (*gHelpHandler)(int) = nullptr;

// Our dialogs keep the widget-based look everywhere, so they carry our Help button.
void AddHelpButton(QDialog& dialog, int helpContext) {
  if (helpContext <= 0) return;
  auto* box = dialog.findChild<QDialogButtonBox*>();
  if (!box) return;
  QPushButton* help = box->addButton(QDialogButtonBox::Help);
  help->setText(QStringLiteral("&Aide"));
  help->setIcon(QIcon());  // the style's help picture reads as a cross beside "Annuler"
  QObject::connect(help, &QPushButton::clicked, [helpContext] { ShowHelpTopic(helpContext); });
}

}  // namespace

void SetDialogHook(DialogHook* hook) {
  gHook = hook;
}

void SetHelpHandler(void (*handler)(int)) {
  gHelpHandler = handler;
}

void ShowHelpTopic(int topic) {
  if (gHelpHandler) gHelpHandler(topic);
}

void ShowErrorBox(const QString& message) {
  const QString text = QString::fromStdString(ErrorBoxText(message.toStdString()));
  const QString title = QStringLiteral("Vorel");
  if (gHook) {
    gHook->OnBox({BoxKind::Error, title, text});
    return;
  }
  MessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
}

Answer AskConfirmation(const QString& question) {
  const QString title = QStringLiteral("Confirmation");
  if (gHook) return gHook->OnBox({BoxKind::Confirmation, title, question});
  MessageBox box(QMessageBox::Question, title, question);
  QPushButton* yes = box.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
  QPushButton* cancel = box.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == yes) return Answer::Yes;
  if (box.clickedButton() == no) return Answer::No;
  return Answer::Cancel;
}

void ShowWarning(const QString& text) {
  const QString title = QStringLiteral("Avertissement");
  if (gHook) {
    gHook->OnBox({BoxKind::Warning, title, text});
    return;
  }
  MessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
}

std::optional<QString> GetFileName(QWidget* parent, const FileRequest& request) {
  if (gHook) return gHook->OnFile(request);
  QFileDialog dialog(parent, request.title);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setNameFilter(request.filter);
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (request.save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (!request.initialPath.isEmpty()) dialog.selectFile(request.initialPath);
  AddHelpButton(dialog, request.helpContext);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

std::optional<int> RunPrintDialog(QWidget* parent, QPrinter& printer, int helpContext) {
  if (gHook) return gHook->OnPrint(printer);
  QPrintDialog dialog(&printer, parent);
  QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintShowPageSize;
  // Without any printer installed, printing to a file is the only way to print at all.
  if (QPrinterInfo::availablePrinters().isEmpty()) options |= QAbstractPrintDialog::PrintToFile;
  dialog.setOptions(options);
  AddHelpButton(dialog, helpContext);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return std::max(1, printer.copyCount());
}

}  // namespace vorel
