// The desktop services the windows use, behind one interface that each window receives when
// it is made: message boxes, file and print dialogs, help, opening a web address, the primary
// screen's size. The program hands in a QtDesktop; a test hands in one that answers instead.
#pragma once

#include <QSize>
#include <QString>
#include <optional>

#include "gui/Dialogs.h"

class QPrinter;
class QWidget;

namespace vorel {

class Desktop {
 public:
  virtual ~Desktop() = default;
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  virtual Answer showBox(const BoxRequest& request) = 0;
  // The file chosen, or nothing when cancelled.
  virtual std::optional<QString> askFileName(QWidget* parent, const FileRequest& request) = 0;
  // The print dialog: printer and number of copies, nothing else. Returns the number of
  // copies, or nothing when cancelled.
  virtual std::optional<int> askPrint(QWidget* parent, QPrinter& printer, HelpTopic topic) = 0;
  virtual void showHelp(HelpTopic topic) = 0;
  // Hands the address to the user's default program; the result is not looked at.
  virtual void openUrl(const QString& address) = 0;
  virtual QSize primaryScreenSize() const = 0;

  // The application's error box: title "Vorel", error icon, one OK button; the message gets a
  // final full stop when its last character calls for one.
  void showError(const QString& message);
  // "Confirmation", question icon, "&Oui" (default), "&Non", "Annuler" (also Escape and the
  // close box), centred on the screen.
  Answer askConfirmation(const QString& question);
  // "Avertissement", warning icon, one "OK" button.
  void showWarning(const QString& text);

 protected:
  Desktop() = default;
};

}  // namespace vorel
