// The register list as a table model: the heading row is the view's header.
#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "register/RegisterFile.h"

#include <vector>

namespace vorel {

// Register cells hold Windows-1252 bytes; these are the only conversions the windows use.
QString CellToText(const std::string& cell);
std::string TextToCell(const QString& text);

class RegisterModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The persons stay owned by the caller; whoever changes them tells the model, through the
  // functions below.
  explicit RegisterModel(const std::vector<Person>* persons, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The persons change inside these, so the views hear of it; a change that throws still
  // leaves the views in step. change may rework every person (load, sort, copy, merge).
  void reset(const std::function<void()>& change = {});
  // append adds one person at the end.
  void appendPerson(const std::function<void()>& append);
  // The person of grid row gridRow was replaced.
  void personChanged(int gridRow);
  // remove takes grid row gridRow out of the list, the rows after it moving up.
  void removePerson(int gridRow, const std::function<void()>& remove);

 private:
  const std::vector<Person>* persons_;
};

}  // namespace vorel
