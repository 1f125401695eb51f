// What the register's three dialogs share in their looks: the fixed dialog frame, the font,
// framed bevels, buttons with pictures, coloured fields and the help key.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace vorel {

// A fixed-size dialog with a title and a close box, centred when shown; F1 opens help topic 1.
void SetUpFixedDialog(QDialog& dialog, const char* name, const QString& caption, int width,
                      int height);

// "MS Sans Serif", 8 points at 96 dots per inch.
QFont DialogFont(bool bold);

QFrame* MakeBevel(QWidget* parent, const QRect& place);
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top);
// picture names a resource (":/vorel/NAME.png"); empty for none.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place, const QString& picture = {}, int pictureSize = 16);
void SetBackground(QWidget* widget, const QColor& colour);

}  // namespace vorel
