// The grid of persons shared by the register editor and the chooser, with the register's look.
#pragma once

#include <QTableView>

namespace vorel {

// Rows 1..N of the register are model rows 0..N-1; the heading is the header, so it can never
// become current. Enter, Escape and Tab go on to the dialog. While the grid has the focus, a
// dotted frame inside the chosen row says so; the row keeps its colours.
class RegisterGrid : public QTableView {
  Q_OBJECT

 public:
  static constexpr int kRowHeight = 20;

  explicit RegisterGrid(QWidget* parent);

  void setColumnWidths(int first, int second);
  // 1-based grid row of the current person.
  int currentRow() const;
  // Makes gridRow (held to 1..N) current and selected, and scrolls it into view.
  void setCurrentRow(int gridRow);

  void keyboardSearch(const QString&) override {}

 protected:
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
};

}  // namespace vorel
