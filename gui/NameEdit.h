// The person entry's name field: only letters and spaces get in, in capitals, an accented
// letter as its base letter, however the text arrives (typed, pasted, dropped, composed).
#pragma once

#include <QLineEdit>

class QMenu;

namespace vorel {

class NameEdit : public QLineEdit {
  Q_OBJECT

 public:
  // The file keeps no more of a name.
  static constexpr int kMaxLength = 255;

  explicit NameEdit(QWidget* parent);

  // The key filter: what key puts in the field. A letter gives its capital, an accented one its
  // base letter's (é gives E, œ gives OE), as the register's name rule folds them; a space and
  // a backspace stay as they are; anything else gives nothing.
  static QString filterKey(QChar key);

  // Inserts text at the cursor, in place of the selection, keeping only what the key filter
  // keeps.
  void insertFiltered(const QString& text);
  // The usual editing menu, its paste going through the filter.
  QMenu* createContextMenu();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // Text set by the program is shown in capitals.
  void showInCapitals();
};

}  // namespace vorel
