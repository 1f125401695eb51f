// What every window shares in its looks and keys: the fixed dialog frame, the font, bevels,
// labels, buttons with pictures, coloured fields, centring, and the help key.
#pragma once

#include <QColor>
#include <QFont>
#include <QKeySequence>
#include <QSize>
#include <QString>
#include <functional>

#include "gui/HelpTopic.h"

class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace vorel {

class Desktop;

// A fixed-size dialog with a title and a close box, centred when shown; F1 opens the help
// at the topic of the program's windows.
void SetUpFixedDialog(QDialog& dialog, Desktop& desktop, const char* name, const QString& caption,
                      QSize size);

// "MS Sans Serif", 8 points at 96 dots per inch.
QFont DialogFont(bool bold);

// A command's standard keys (QKeySequence::Save, Open…) anywhere in window run command; where
// the platform names none for it, the keys given instead.
void InstallCommandKey(QWidget& window, QKeySequence::StandardKey keys,
                       std::function<void()> command, const QKeySequence& otherwise = {});
// The help key (F1) anywhere in window runs help.
void InstallHelpKey(QWidget& window, std::function<void()> help);
// The help key anywhere in window opens the help at topic.
void InstallHelpKey(QWidget& window, Desktop& desktop, HelpTopic topic = HelpTopic::Main);

// Puts a top-level window, frame included, in the middle of the primary screen, at each
// showing. A window manager frames a window only once it is mapped: until then the frame is
// taken to be that of the program's windows already framed, and the window is centred again
// once its own frame is known, should it differ.
void KeepCentredOnScreen(QWidget& window);

// The controls, named; their places come from the window's layout (gui/Layouts.h).
QFrame* MakeBevel(QWidget* parent);  // named "bevel"
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text);
// picture names a resource (":/vorel/NAME.png"); empty for none.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& picture = {}, int pictureSize = 16);

// A flat toolbar button: its picture, and its caption under it when it has one.
struct ToolButtonLook {
  QString caption;  // empty: picture only
  QString tip;
  int pictureSize = 16;
  bool takesFocus = true;  // by Tab
};
QToolButton* MakeToolButton(QWidget* parent, const char* name, const QString& picture,
                            const ToolButtonLook& look);

// Colours come in pairs, so that a window reads the same in a light or a dark theme. A
// background given keeps its colour, with black or white text, whichever reads better on it.
void SetBackground(QWidget* widget, const QColor& colour);
// A text colour given on the theme's background keeps its hue; it is lightened on a dark
// background, or darkened on a light one, as far as it takes to read well there.
void SetTextColour(QWidget* widget, const QColor& colour);

}  // namespace vorel
