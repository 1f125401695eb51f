// TSaisie: the person entry dialog, and its name field that lets only letters and spaces in.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <optional>

class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace vorel {

// The value of a date field: an optional sign and decimal digits, within int; nothing for any
// other text.
std::optional<int> TextToInteger(const QString& text);

// The name field. Typed characters pass TSaisie::NomEditKeyPress; pasted, dropped and
// composed text passes the same filter, so no way of entering text gets round it. Text set
// by the program is shown in capitals.
class NameEdit : public QLineEdit {
  Q_OBJECT

 public:
  // The file keeps no more of a name.
  static constexpr int kMaxLength = 255;

  explicit NameEdit(QWidget* parent);

  // Inserts text at the cursor, in place of the selection, keeping only what the key
  // filter keeps.
  void InsertFiltered(const QString& text);
  // The usual editing menu, its paste going through the filter.
  QMenu* CreateContextMenu();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void ShowInCapitals();
};

class TSaisie : public QDialog {
  Q_OBJECT

 public:
  TSaisie();

  // The name's key filter: key becomes the null character when it is dropped; a lower-case
  // letter becomes its capital.
  static void NomEditKeyPress(QChar& key);
  // Closes with OK only when day, month and year form a valid date.
  void OKBtnClick();

  QFrame* Bevel1;
  QLabel* Label1;
  NameEdit* NomEdit;
  QLabel* Label2;
  QLineEdit* JourEdit;
  QLineEdit* MoisEdit;
  QLineEdit* AnneeEdit;
  QPushButton* OKBtn;
  QPushButton* BitBtn1;
};

}  // namespace vorel
