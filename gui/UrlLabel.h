// A label that looks like a link, opens its address when clicked (or, once Tab has reached it,
// with Enter or Space), shows a second colour while the left button is held on it, and copies
// its text from a one-item menu.
#pragma once

#include <QColor>
#include <QLabel>

class QMenu;

namespace vorel {

class Desktop;

class UrlLabel : public QLabel {
  Q_OBJECT
  Q_PROPERTY(QString url READ url WRITE setUrl)
  Q_PROPERTY(QColor activeColor READ activeColor WRITE setActiveColor)

 public:
  // desktop: where a click hands the address to the user's browser.
  explicit UrlLabel(Desktop& desktop, QWidget* parent = nullptr);
  ~UrlLabel() override;

  QString url() const { return url_; }
  void setUrl(const QString& url) { url_ = url; }
  // The text's colour while the left button is held down on the label.
  QColor activeColor() const { return activeColor_; }
  void setActiveColor(const QColor& color) { activeColor_ = color; }

  // The text's colour; one that would not read on the theme's background is lightened or
  // darkened there, keeping its hue.
  QColor fontColor() const;
  void setFontColor(const QColor& color);

  // The address a click opens: url unless it is blank, else the caption.
  QString target() const;
  void click();
  void copy();  // the caption, not url, as plain text

  QMenu* contextMenu() const { return menu_; }

 signals:
  void clicked();  // the window's own click handler runs before the address is opened

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  Desktop& desktop_;
  QString url_;
  QColor activeColor_{128, 0, 128};
  QColor savedColor_;
  bool pressed_ = false;
  QMenu* menu_;
};

}  // namespace vorel
