// The register as a table model.
#include "gui/RegisterModel.h"

#include "base/Cp1252.h"

namespace vorel {

QString CellToText(const std::string& cell) {
  QString text;
  text.reserve(static_cast<qsizetype>(cell.size()));
  // Every Windows-1252 character lies in the basic plane.
  for (unsigned char byte : cell) text.append(QChar(static_cast<char16_t>(Cp1252ToUnicode(byte))));
  return text;
}

std::string TextToCell(const QString& text) {
  return Utf8ToCp1252(text.toUtf8().toStdString());
}

RegisterModel::RegisterModel(RegisterList* list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {}

int RegisterModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : list_->PersonCount();
}

int RegisterModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 2;
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= list_->PersonCount()) return {};
  const Person& person = list_->persons[static_cast<size_t>(index.row())];
  return CellToText(index.column() == 0 ? person.name : person.date);
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::DisplayRole) return QString::fromUtf8(section == 0 ? kNameHeading : kDateHeading);
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}

Qt::ItemFlags RegisterModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void RegisterModel::reset(const std::function<void()>& change) {
  beginResetModel();
  if (change) change();
  endResetModel();
}

void RegisterModel::appendPerson(Person person) {
  const int row = list_->PersonCount();
  beginInsertRows({}, row, row);
  list_->persons.push_back(std::move(person));
  endInsertRows();
}

void RegisterModel::setPerson(int gridRow, Person person) {
  list_->persons.at(static_cast<size_t>(gridRow - 1)) = std::move(person);
  emit dataChanged(index(gridRow - 1, 0), index(gridRow - 1, 1));
}

void RegisterModel::removePerson(int gridRow, const std::function<void()>& remove) {
  beginRemoveRows({}, gridRow - 1, gridRow - 1);
  remove();
  endRemoveRows();
}

}  // namespace vorel
