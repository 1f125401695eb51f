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

namespace {

// Ends what a begin started, whether the change in between went through or threw.
template <typename End>
class Finally {
 public:
  explicit Finally(End end) : end_(end) {}
  ~Finally() { end_(); }
  Finally(const Finally&) = delete;
  Finally& operator=(const Finally&) = delete;

 private:
  End end_;
};

}  // namespace

RegisterModel::RegisterModel(const std::vector<Person>* persons, QObject* parent)
    : QAbstractTableModel(parent), persons_(persons) {}

int RegisterModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(persons_->size());
}

int RegisterModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 2;
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() ||
      index.row() >= static_cast<int>(persons_->size()))
    return {};
  const Person& person = (*persons_)[static_cast<size_t>(index.row())];
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
  const Finally end([this] { endResetModel(); });
  if (change) change();
}

void RegisterModel::appendPerson(const std::function<void()>& append) {
  const int row = static_cast<int>(persons_->size());
  beginInsertRows({}, row, row);
  const Finally end([this] { endInsertRows(); });
  append();
}

void RegisterModel::personChanged(int gridRow) {
  emit dataChanged(index(gridRow - 1, 0), index(gridRow - 1, 1));
}

void RegisterModel::removePerson(int gridRow, const std::function<void()>& remove) {
  beginRemoveRows({}, gridRow - 1, gridRow - 1);
  const Finally end([this] { endRemoveRows(); });
  remove();
}

}  // namespace vorel
