// The real desktop, through Qt.
#include "gui/QtDesktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <algorithm>

#include "gui/DialogLook.h"
#include "gui/HelpWindow.h"

namespace vorel {
namespace {

// The window a box belongs to, so that a compositor that places the windows itself puts the
// box over it: the open dialog, else the window the user is in; none over the start-up
// pictures.
QWidget* Owner() {
  QWidget* owner = QApplication::activeModalWidget();
  if (!owner) owner = QApplication::activeWindow();
  return owner && owner->windowType() != Qt::SplashScreen ? owner : nullptr;
}

// Ctrl+C copies a box's title, text and buttons, as on the desktop the program comes from,
// so a user can paste an error message into a mail.
class MessageBox : public QMessageBox {
 public:
  MessageBox(Desktop& desktop, Icon icon, const QString& title, const QString& text,
             StandardButtons buttons = NoButton)
      : QMessageBox(icon, title, text, buttons, Owner()) {
    InstallHelpKey(*this, desktop);
    KeepCentredOnScreen(*this);
  }

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

// The file dialog, with one difference when it opens: a name typed that names an existing file
// opens as typed, and only a name that names none gets the default extension. So a file
// without an extension can be opened, and "dupont" still opens dupont.RTF.
class FileDialog : public QFileDialog {
 public:
  FileDialog(QWidget* parent, const QString& title, QString defaultSuffix)
      : QFileDialog(parent, title), defaultSuffix_(std::move(defaultSuffix)) {
    setDefaultSuffix(defaultSuffix_);
  }

 protected:
  void accept() override {
    if (acceptMode() == AcceptOpen) {
      setDefaultSuffix(QString());
      const QStringList typed = selectedFiles();
      const bool exist = !typed.isEmpty() && std::all_of(typed.begin(), typed.end(), [](auto& f) {
        return QFileInfo(f).isFile();
      });
      setDefaultSuffix(exist ? QString() : defaultSuffix_);
    }
    QFileDialog::accept();
  }

 private:
  QString defaultSuffix_;
};

// Our dialogs keep the widget-based look everywhere, so they carry our Help button; F1 opens
// the same topic, with or without the button.
void AddHelp(Desktop& desktop, QDialog& dialog, HelpTopic topic, bool button) {
  InstallHelpKey(dialog, desktop, topic);
  if (!button) return;
  auto* box = dialog.findChild<QDialogButtonBox*>();
  if (!box) return;
  QPushButton* help = box->addButton(QDialogButtonBox::Help);
  help->setText(QStringLiteral("&Aide"));
  help->setIcon(QIcon());  // the style's help picture reads as a cross beside "Annuler"
  QObject::connect(help, &QPushButton::clicked, [&desktop, topic] { desktop.showHelp(topic); });
}

}  // namespace

QtDesktop::QtDesktop(HelpWindow& help) : help_(help) {}

Answer QtDesktop::showBox(const BoxRequest& request) {
  if (request.kind != BoxKind::Confirmation) {
    const auto icon = request.kind == BoxKind::Error ? QMessageBox::Critical : QMessageBox::Warning;
    MessageBox box(*this, icon, request.title, request.text, QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
    return Answer::Ok;
  }
  MessageBox box(*this, QMessageBox::Question, request.title, request.text);
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

std::optional<QString> QtDesktop::askFileName(QWidget* parent, const FileRequest& request) {
  FileDialog dialog(parent, request.title, request.defaultSuffix);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setNameFilter(request.filter);
  if (request.save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (!request.initialPath.isEmpty()) dialog.selectFile(request.initialPath);
  AddHelp(*this, dialog, request.helpTopic, request.helpButton);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

std::optional<int> QtDesktop::askPrint(QWidget* parent, QPrinter& printer, HelpTopic topic) {
  QPrintDialog dialog(&printer, parent);
  QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintShowPageSize;
  // Without any printer installed, printing to a file is the only way to print at all.
  if (QPrinterInfo::availablePrinters().isEmpty()) options |= QAbstractPrintDialog::PrintToFile;
  dialog.setOptions(options);
  // Offered only what the printing honours: each copy whole, one after the other, in order.
  // The toolkit shows some of these whatever the options say, so they go where nothing shows.
  auto* unused = new QWidget(&dialog);
  unused->hide();
  for (const char* name :
       {"gbPrintRange", "pageSetLabel", "pageSetCombo", "collate", "outputIcon", "reverse"})
    if (auto* option = dialog.findChild<QWidget*>(QString::fromLatin1(name)))
      option->setParent(unused);
  AddHelp(*this, dialog, topic, true);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return std::max(1, printer.copyCount());
}

void QtDesktop::showHelp(HelpTopic topic) {
  if (topic == HelpTopic::Contents)
    help_.showContents();
  else
    help_.showTopic(topic);
}

void QtDesktop::openUrl(const QString& address) {
  QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

QSize QtDesktop::primaryScreenSize() const {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) return screen->geometry().size();
  return QSize(1024, 768);
}

}  // namespace vorel
