// The one seam through which the program shows message boxes and common dialogs. Tests
// install a DialogHook that answers instead of a person.
#pragma once

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace vorel {

enum class Answer { Ok, Yes, No, Cancel };

enum class BoxKind { Error, Confirmation, Warning };

struct BoxRequest {
  BoxKind kind;
  QString title;
  QString text;
};

struct FileRequest {
  bool save = false;
  QString title;
  QString filter;         // "Fichiers vorel (*.RTF)"
  QString defaultSuffix;  // appended to a name typed without an extension
  QString initialPath;    // the file the dialog starts on
  int helpContext = 0;    // 0: no Help button
};

class DialogHook {
 public:
  virtual ~DialogHook() = default;
  virtual Answer OnBox(const BoxRequest& request) = 0;
  virtual std::optional<QString> OnFile(const FileRequest& request) = 0;
  // Returns the number of copies, or nothing when cancelled; may set up the printer (a test
  // prints to a PDF file).
  virtual std::optional<int> OnPrint(QPrinter& printer) = 0;
};

void SetDialogHook(DialogHook* hook);  // nullptr: real dialogs

// Opens the help at a topic; the dialogs' Help buttons use it. Set by the start-up.
void SetHelpHandler(void (*handler)(int topic));
void ShowHelpTopic(int topic);

// The application's error box: title "Vorel", error icon, one OK button; the message gets a
// final full stop when its last character calls for one.
void ShowErrorBox(const QString& message);

// "Confirmation", question icon, "&Oui" (default), "&Non", "Annuler" (also Escape and the
// close box), centred on the screen.
Answer AskConfirmation(const QString& question);

// "Avertissement", warning icon, one "OK" button.
void ShowWarning(const QString& text);

std::optional<QString> GetFileName(QWidget* parent, const FileRequest& request);

// The print dialog: printer and number of copies, nothing else. Returns the copies.
std::optional<int> RunPrintDialog(QWidget* parent, QPrinter& printer, int helpContext);

}  // namespace vorel
