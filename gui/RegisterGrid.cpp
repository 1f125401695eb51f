// The register's grid.
#include "gui/RegisterGrid.h"

#include <QHeaderView>
#include <QPainter>
#include <algorithm>

#include "gui/DialogLook.h"

namespace vorel {

RegisterGrid::RegisterGrid(QWidget* parent) : QTableView(parent) {
  setAccessibleName(QStringLiteral("Liste des personnes"));
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

  SetBackground(this, QColor(0, 255, 255));
  QPalette colours = palette();
  // The chosen row stays marked when the focus is on a button.
  for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
    colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
  setPalette(colours);
}

void RegisterGrid::setColumnWidths(int first, int second) {
  setColumnWidth(0, first);
  setColumnWidth(1, second);
}

int RegisterGrid::currentRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() + 1 : 1;
}

void RegisterGrid::setCurrentRow(int gridRow) {
  const int count = model() ? model()->rowCount() : 0;
  if (count == 0) return;
  const QModelIndex target = model()->index(std::clamp(gridRow, 1, count) - 1, 0);
  selectionModel()->setCurrentIndex(
      target, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(target);
}

void RegisterGrid::paintEvent(QPaintEvent* event) {
  QTableView::paintEvent(event);
  const QModelIndex current = currentIndex();
  if (!hasFocus() || !current.isValid()) return;
  // Across the whole visible row, in the chosen row's own text colour.
  QRect row = visualRect(current);
  row.setLeft(0);
  row.setRight(viewport()->width() - 1);
  QPainter painter(viewport());
  painter.setPen(QPen(palette().color(QPalette::HighlightedText), 1, Qt::DotLine));
  painter.drawRect(row.adjusted(1, 1, -2, -2));
}

void RegisterGrid::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  viewport()->update();
}

void RegisterGrid::focusOutEvent(QFocusEvent* event) {
  QTableView::focusOutEvent(event);
  viewport()->update();
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
