// The register dialogs' shared looks.
#include "register/DialogLook.h"

#include <QDialog>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include "platform/Dialogs.h"

namespace vorel {

void SetUpFixedDialog(QDialog& dialog, const char* name, const QString& caption, int width,
                      int height) {
  dialog.setObjectName(QString::fromLatin1(name));
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  dialog.setWindowTitle(caption);
  dialog.setFixedSize(width, height);
  dialog.setFont(DialogFont(true));
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), &dialog);
  help->setContext(Qt::WindowShortcut);
  QObject::connect(help, &QShortcut::activated, &dialog, [] { ShowHelpTopic(1); });
}

QFont DialogFont(bool bold) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  font.setBold(bold);
  return font;
}

QFrame* MakeBevel(QWidget* parent, const QRect& place) {
  auto* bevel = new QFrame(parent);
  bevel->setObjectName(QStringLiteral("Bevel1"));
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(place);
  return bevel;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->move(left, top);
  label->adjustSize();
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place, const QString& picture, int pictureSize) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(place);
  if (!picture.isEmpty()) {
    // The toolkit greys the picture itself when the button is disabled.
    button->setIcon(QIcon(QStringLiteral(":/vorel/%1.png").arg(picture)));
    button->setIconSize(QSize(pictureSize, pictureSize));
  }
  return button;
}

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette colours = widget->palette();
  colours.setColor(QPalette::Base, colour);
  widget->setPalette(colours);
}

}  // namespace vorel
