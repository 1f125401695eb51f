// The grid of persons shared by the register editor and the chooser: a table model over a
// RegisterList (the heading row is the view's header) and the view with the register's look.
#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>

#include "register/RegisterFile.h"

namespace vorel {

// Register cells hold Windows-1252 bytes; these are the only conversions the windows use.
QString CellToText(const std::string& cell);
std::string TextToCell(const QString& text);

class RegisterModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The list stays owned by the caller; whoever changes it tells the model.
  explicit RegisterModel(RegisterList* list, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The list changes through these, so the views hear of it. change may rework the whole
  // list (load, sort, copy).
  void Reset(const std::function<void()>& change = {});
  void AppendPerson(Person person);
  void SetPerson(int gridRow, Person person);
  // remove takes grid row gridRow out of the list, the rows after it moving up.
  void RemoveRow(int gridRow, const std::function<void()>& remove);

 private:
  RegisterList* list_;
};

// Rows 1..N of the register are model rows 0..N-1; the heading is the header, so it can never
// become current. Enter, Escape and Tab go on to the dialog.
class RegisterGrid : public QTableView {
  Q_OBJECT

 public:
  static constexpr int kRowHeight = 20;

  explicit RegisterGrid(QWidget* parent);

  void SetColumnWidths(int first, int second);
  // 1-based grid row of the current person.
  int CurrentRow() const;
  // Makes gridRow (held to 1..N) current and selected, and scrolls it into view.
  void SetCurrentRow(int gridRow);

  void keyboardSearch(const QString&) override {}

 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
};

}  // namespace vorel
