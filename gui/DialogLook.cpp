// The windows' shared looks.
#include "gui/DialogLook.h"

#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>

#include "gui/Dialogs.h"

namespace vorel {
namespace {

QIcon Picture(const QString& name) {
  return QIcon(QStringLiteral(":/vorel/%1.png").arg(name));
}

}  // namespace

void SetUpFixedDialog(QDialog& dialog, const char* name, const QString& caption, int width,
                      int height) {
  dialog.setObjectName(QString::fromLatin1(name));
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  dialog.setWindowTitle(caption);
  dialog.setFixedSize(width, height);
  dialog.setFont(DialogFont(true));
  InstallHelpKey(dialog);
}

QFont DialogFont(bool bold) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  font.setBold(bold);
  return font;
}

void InstallHelpKey(QWidget& window, int topic) {
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), &window);
  help->setContext(Qt::WindowShortcut);
  QObject::connect(help, &QShortcut::activated, &window, [topic] { ShowHelpTopic(topic); });
}

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  const QSize size = window.frameGeometry().size().expandedTo(window.size());
  window.move(area.x() + (area.width() - size.width()) / 2,
              area.y() + (area.height() - size.height()) / 2);
}

QFrame* MakeBevel(QWidget* parent, const QRect& place) {
  auto* bevel = new QFrame(parent);
  bevel->setObjectName(QStringLiteral("bevel"));
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
    button->setIcon(Picture(picture));
    button->setIconSize(QSize(pictureSize, pictureSize));
  }
  return button;
}

QToolButton* MakeToolButton(QWidget* parent, const char* name, const QString& picture,
                            const QRect& place, const ToolButtonLook& look) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(Picture(picture));
  button->setIconSize(QSize(look.pictureSize, look.pictureSize));
  if (!look.caption.isEmpty()) {
    button->setText(look.caption);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  }
  if (!look.tip.isEmpty()) button->setToolTip(look.tip);
  button->setAutoRaise(true);
  button->setFocusPolicy(look.takesFocus ? Qt::TabFocus : Qt::NoFocus);
  button->setGeometry(place);
  return button;
}

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette colours = widget->palette();
  colours.setColor(QPalette::Base, colour);
  widget->setPalette(colours);
}

}  // namespace vorel
