// Message boxes and common dialogs as the windows ask for them. Every one goes through the
// desktop seam (gui/Desktop.h), which tests replace to answer instead of a person.
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
  int helpContext = 0;    // the help topic of F1, and of the Help button
  bool helpButton = true;
};

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

// Opens the help at a topic (0: the contents).
void ShowHelpTopic(int topic);

}  // namespace vorel
