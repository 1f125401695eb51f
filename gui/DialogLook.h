// What every window shares in its looks and keys: the fixed dialog frame, the font, bevels,
// labels, buttons with pictures, coloured fields, centring, and F1 for help.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace vorel {

// A fixed-size dialog with a title and a close box, centred when shown; F1 opens help topic 1.
void SetUpFixedDialog(QDialog& dialog, const char* name, const QString& caption, int width,
                      int height);

// "MS Sans Serif", 8 points at 96 dots per inch.
QFont DialogFont(bool bold);

// F1 anywhere in window opens the help at topic.
void InstallHelpKey(QWidget& window, int topic = 1);

// Puts a top-level window, frame included, in the middle of the primary screen, at each
// showing. A window manager frames a window only once it is mapped: until then the frame is
// taken to be that of the program's windows already framed, and the window is centred again
// once its own frame is known, should it differ.
void KeepCentredOnScreen(QWidget& window);

QFrame* MakeBevel(QWidget* parent, const QRect& place);
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top);
// picture names a resource (":/vorel/NAME.png"); empty for none.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place, const QString& picture = {}, int pictureSize = 16);

// A flat toolbar button: its picture, and its caption under it when it has one.
struct ToolButtonLook {
  QString caption;  // empty: picture only
  QString tip;
  int pictureSize = 16;
  bool takesFocus = true;  // by Tab
};
QToolButton* MakeToolButton(QWidget* parent, const char* name, const QString& picture,
                            const QRect& place, const ToolButtonLook& look);

void SetBackground(QWidget* widget, const QColor& colour);

}  // namespace vorel
