// What the windows ask of the desktop's boxes and common dialogs, and what they get back.
#pragma once

#include <QString>

#include "gui/HelpTopic.h"

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
  QString filter;                         // "Fichiers vorel (*.RTF)"; several split by ";;"
  QString defaultSuffix;                  // appended to a name typed without an extension
  QString initialPath;                    // the file the dialog starts on
  HelpTopic helpTopic = HelpTopic::Main;  // the topic of F1, and of the Help button
  bool helpButton = true;
};

}  // namespace vorel
