// The windows' shared looks.
#include "gui/DialogLook.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <optional>

#include "gui/Desktop.h"

namespace vorel {
namespace {

QIcon Picture(const QString& name) {
  return QIcon(QStringLiteral(":/vorel/%1.png").arg(name));
}

// The contrast ratio of two colours, from 1 (the same) to 21 (black and white), from the
// relative luminance of the sRGB colour space, as accessibility guidelines measure it.
double ContrastRatio(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto channel = [](float v) {
      return v <= 0.03928f ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Black or white, whichever stands out more on background; black when both do alike.
QColor BlackOrWhiteOn(const QColor& background) {
  const QColor black(Qt::black), white(Qt::white);
  return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

// A text colour that reads well on background, of the same hue.
QColor ReadableOn(const QColor& text, const QColor& background) {
  // Antialiased strokes show a little less than their colour: aim above the 4.5 that text
  // needs, so that what is painted still reaches it.
  constexpr double kWanted = 5.5;
  if (ContrastRatio(text, background) >= kWanted) return text;
  // Lightened towards white or darkened towards black, whichever reads better there.
  const QColor target = BlackOrWhiteOn(background);
  const QColor hsl = text.toHsl();
  for (int step = 1; step <= 20; ++step) {
    const double lightness =
        hsl.lightnessF() + (target.lightnessF() - hsl.lightnessF()) * step / 20.0;
    const QColor tried =
        QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), float(lightness), hsl.alphaF());
    if (ContrastRatio(tried, background) >= kWanted) return tried.toRgb();
  }
  return target;
}

// The last frame the window manager gave one of our windows: it draws them all alike.
QMargins gLastFrame;

// The frame the window manager gave a window, or nothing while it has given none.
std::optional<QMargins> KnownFrame(const QWidget& window) {
  const QWindow* handle = window.windowHandle();
  if (!handle || !window.isVisible()) return std::nullopt;
  const QMargins frame = handle->frameMargins();
  // While the window manager is still building the frame, the toolkit may measure it from a
  // frame window not yet sized, which gives negative margins.
  if (frame.isNull() || frame.left() < 0 || frame.top() < 0 || frame.right() < 0 ||
      frame.bottom() < 0)
    return std::nullopt;
  gLastFrame = frame;
  return frame;
}

// The frame a window is about to get: its own when known, else that of a window of the
// program framed already, else the last one seen.
QMargins ExpectedFrame(const QWidget& window) {
  if (auto own = KnownFrame(window)) return *own;
  for (const QWidget* other : QApplication::topLevelWidgets())
    if (auto frame = KnownFrame(*other)) return *frame;
  return gLastFrame;
}

// Where the frame's top-left corner goes for the frame to be centred on the primary screen.
std::optional<QPoint> CentredFramePosition(const QWidget& window, const QMargins& frame) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return std::nullopt;
  const QRect area = screen->geometry();
  const QSize size = window.size().grownBy(frame);
  return QPoint(area.x() + (area.width() - size.width()) / 2,
                area.y() + (area.height() - size.height()) / 2);
}

// Centres its window at each showing, and again when the window manager's frame turns out
// other than expected. The frame is known once the window is exposed or moved, but while the
// window manager builds it the toolkit may measure a passing state: the window is kept centred
// on every such event for a moment after it appears, and left to the user after that.
class ScreenCentring : public QObject {
 public:
  explicit ScreenCentring(QWidget* window) : QObject(window), window_(*window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Show && !event->spontaneous()) {
      centre();
    } else if ((event->type() == QEvent::Move || event->type() == QEvent::Expose) &&
               shown_.isValid() && shown_.elapsed() < kSettlingMs) {
      // Without a window manager no frame ever comes, and the window is right as it is.
      if (auto frame = KnownFrame(window_)) {
        // The window's own geometry is current; the widget's idea of its frame may not be yet.
        const QPoint client = window_.windowHandle()->geometry().topLeft();
        if (auto at = CentredFramePosition(window_, *frame)) {
          const QPoint wanted = *at + QPoint(frame->left(), frame->top());
          if (client != wanted) window_.setGeometry(QRect(wanted, window_.size()));
        }
      }
    }
    return false;
  }

 private:
  void centre() {
    // The window exists by now but is not mapped: its client area is placed, inside the frame
    // expected.
    const QMargins frame = ExpectedFrame(window_);
    if (auto at = CentredFramePosition(window_, frame))
      window_.setGeometry(QRect(*at + QPoint(frame.left(), frame.top()), window_.size()));
    shown_.start();
    // Exposure reaches the window, not the widget.
    if (QWindow* handle = window_.windowHandle(); handle && handle != watchedHandle_) {
      handle->installEventFilter(this);
      watchedHandle_ = handle;
    }
  }

  static constexpr qint64 kSettlingMs = 1000;

  QWidget& window_;
  QWindow* watchedHandle_ = nullptr;
  QElapsedTimer shown_;
};

}  // namespace

void SetUpFixedDialog(QDialog& dialog, Desktop& desktop, const char* name, const QString& caption,
                      QSize size) {
  dialog.setObjectName(QString::fromLatin1(name));
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  dialog.setWindowTitle(caption);
  dialog.setFixedSize(size);
  dialog.setFont(DialogFont(true));
  InstallHelpKey(dialog, desktop);
  KeepCentredOnScreen(dialog);
}

QFont DialogFont(bool bold) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  font.setBold(bold);
  return font;
}

void InstallCommandKey(QWidget& window, QKeySequence::StandardKey keys,
                       std::function<void()> command, const QKeySequence& otherwise) {
  auto* key = new QShortcut(keys, &window);
  if (key->keys().isEmpty()) key->setKey(otherwise);
  key->setContext(Qt::WindowShortcut);
  QObject::connect(key, &QShortcut::activated, &window, std::move(command));
}

void InstallHelpKey(QWidget& window, std::function<void()> help) {
  InstallCommandKey(window, QKeySequence::HelpContents, std::move(help));
}

void InstallHelpKey(QWidget& window, Desktop& desktop, HelpTopic topic) {
  InstallHelpKey(window, [&desktop, topic] { desktop.showHelp(topic); });
}

void KeepCentredOnScreen(QWidget& window) {
  window.installEventFilter(new ScreenCentring(&window));
}

QFrame* MakeBevel(QWidget* parent) {
  auto* bevel = new QFrame(parent);
  bevel->setObjectName(QStringLiteral("bevel"));
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  return bevel;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& picture, int pictureSize) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  if (!picture.isEmpty()) {
    // The toolkit greys the picture itself when the button is disabled.
    button->setIcon(Picture(picture));
    button->setIconSize(QSize(pictureSize, pictureSize));
  }
  return button;
}

QToolButton* MakeToolButton(QWidget* parent, const char* name, const QString& picture,
                            const ToolButtonLook& look) {
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
  return button;
}

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette colours = widget->palette();
  colours.setColor(QPalette::Base, colour);
  colours.setColor(QPalette::Text, BlackOrWhiteOn(colour));
  widget->setPalette(colours);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette colours = widget->palette();
  colours.setColor(QPalette::WindowText,
                   ReadableOn(colour, colours.color(widget->backgroundRole())));
  widget->setPalette(colours);
}

}  // namespace vorel
