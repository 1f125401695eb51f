// The register list as a table model: the heading row is the view's header.
#pragma once

#include <QAbstractTableModel>
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
  void reset(const std::function<void()>& change = {});
  void appendPerson(Person person);
  void setPerson(int gridRow, Person person);
  // remove takes grid row gridRow out of the list, the rows after it moving up.
  void removePerson(int gridRow, const std::function<void()>& remove);

 private:
  RegisterList* list_;
};

}  // namespace vorel
