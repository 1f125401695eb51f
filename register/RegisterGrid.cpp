// The register's grid: model and view.
#include "register/RegisterGrid.h"

#include <QHeaderView>
#include <algorithm>

#include "platform/Cp1252.h"

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
  return parent.isValid() ? 0 : list_->FicheCount();
}

int RegisterModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 2;
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= list_->FicheCount()) return {};
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

void RegisterModel::Reset(const std::function<void()>& change) {
  beginResetModel();
  if (change) change();
  endResetModel();
}

void RegisterModel::AppendPerson(Person person) {
  const int row = list_->FicheCount();
  beginInsertRows({}, row, row);
  list_->persons.push_back(std::move(person));
  endInsertRows();
}

void RegisterModel::SetPerson(int gridRow, Person person) {
  list_->persons.at(static_cast<size_t>(gridRow - 1)) = std::move(person);
  emit dataChanged(index(gridRow - 1, 0), index(gridRow - 1, 1));
}

void RegisterModel::RemoveRow(int gridRow, const std::function<void()>& remove) {
  beginRemoveRows({}, gridRow - 1, gridRow - 1);
  remove();
  endRemoveRows();
}

RegisterGrid::RegisterGrid(QWidget* parent) : QTableView(parent) {
  setSelectionBehavior(SelectRows);
  setSelectionMode(SingleSelection);
  setEditTriggers(NoEditTriggers);
  setTabKeyNavigation(false);
  setShowGrid(true);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollMode(ScrollPerPixel);

  // Fixed row heights let the view place any of 100,000 rows without measuring one.
  QHeaderView* rows = verticalHeader();
  rows->hide();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setMinimumSectionSize(1);
  rows->setDefaultSectionSize(kRowHeight);

  QHeaderView* heading = horizontalHeader();
  heading->setSectionResizeMode(QHeaderView::Fixed);
  heading->setStretchLastSection(false);
  heading->setSectionsClickable(false);
  heading->setSectionsMovable(false);
  heading->setHighlightSections(false);
  heading->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  heading->setFixedHeight(kRowHeight);

  QPalette colours = palette();
  colours.setColor(QPalette::Base, QColor(0, 255, 255));
  // The chosen row stays marked when the focus is on a button.
  for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
    colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
  setPalette(colours);
}

void RegisterGrid::SetColumnWidths(int first, int second) {
  setColumnWidth(0, first);
  setColumnWidth(1, second);
}

int RegisterGrid::CurrentRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() + 1 : 1;
}

void RegisterGrid::SetCurrentRow(int gridRow) {
  const int count = model() ? model()->rowCount() : 0;
  if (count == 0) return;
  const QModelIndex target = model()->index(std::clamp(gridRow, 1, count) - 1, 0);
  selectionModel()->setCurrentIndex(
      target, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(target);
}

QModelIndex RegisterGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  // Whole rows: the current cell stays in the name column, so the view never slides sideways.
  const QModelIndex moved = QTableView::moveCursor(action, modifiers);
  return moved.isValid() ? moved.sibling(moved.row(), 0) : moved;
}

QItemSelectionModel::SelectionFlags RegisterGrid::selectionCommand(const QModelIndex& index,
                                                                   const QEvent*) const {
  // One row is always selected: a click below the last row or a Ctrl+click must not clear it.
  if (!index.isValid()) return QItemSelectionModel::NoUpdate;
  return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

}  // namespace vorel
