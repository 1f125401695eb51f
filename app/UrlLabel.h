// TUrlLabel: a label that looks like a link, opens its address when clicked, shows a second
// colour while the left button is held on it, and copies its text from a one-item menu.
#pragma once

#include <QColor>
#include <QLabel>

class QMenu;

namespace vorel {

class TUrlLabel : public QLabel {
  Q_OBJECT
  Q_PROPERTY(QString URL READ URL WRITE SetURL)
  Q_PROPERTY(QColor ActiveColor READ ActiveColor WRITE SetActiveColor)

 public:
  explicit TUrlLabel(QWidget* parent = nullptr);
  ~TUrlLabel() override;

  QString URL() const { return url_; }
  void SetURL(const QString& url) { url_ = url; }
  QColor ActiveColor() const { return activeColor_; }
  void SetActiveColor(const QColor& color) { activeColor_ = color; }

  QColor FontColor() const;
  void SetFontColor(const QColor& color);

  // The address a click opens: URL unless it is blank, else the caption.
  QString Target() const;
  void Click();
  void Copy();  // the caption, not URL, as plain text

  QMenu* ContextMenu() const { return menu_; }

 signals:
  void clicked();  // the window's own click handler runs before the address is opened

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QString url_;
  QColor activeColor_{128, 0, 128};
  QColor savedColor_;
  bool pressed_ = false;
  QMenu* menu_;
};

}  // namespace vorel
