// The person chooser.
#include "gui/PersonChooser.h"

#include <QHeaderView>
#include <QPushButton>
#include <algorithm>

#include "gui/Desktop.h"
#include "gui/DialogLook.h"
#include "gui/Layouts.h"
#include "gui/RegisterGrid.h"
#include "gui/RegisterModel.h"

namespace vorel {
namespace {

const QString kCaption = QStringLiteral("Choix d'une personne");

}  // namespace

PersonChooser::PersonChooser(Desktop& desktop) : desktop_(desktop) {
  SetUpFixedDialog(*this, desktop, "personChooser", kCaption, kPersonChooserLayout.client);

  MakeBevel(this);
  grid_ = new RegisterGrid(this);
  grid_->setObjectName(QStringLiteral("personGrid"));
  grid_->setFont(DialogFont(false));
  grid_->horizontalHeader()->setDefaultSectionSize(132);
  model_ = new RegisterModel(&persons_, this);
  grid_->setModel(model_);

  QPushButton* ok = MakeButton(this, "okButton", QStringLiteral("OK"));
  ok->setDefault(true);
  QPushButton* cancel = MakeButton(this, "cancelButton", QStringLiteral("Annuler"));
  ApplyLayout(*this, kPersonChooserLayout);
  ok->setFocus();

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  // Remembered here, not read from the view: a new copy resets the view's current row.
  connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) currentRow_ = current.row() + 1;
          });
}

PersonChooser::~PersonChooser() = default;

void PersonChooser::fill(const std::vector<Person>& persons) {
  const int kept = currentRow_;
  model_->reset([&] { persons_ = persons; });
  grid_->setColumnWidths(300, grid_->width() - 100);
  grid_->setCurrentRow(std::min(kept, static_cast<int>(persons_.size())));
  askFor(kCaption);
}

void PersonChooser::askFor(const QString& caption, int refusedRow) {
  setWindowTitle(caption);
  refusedRow_ = refusedRow;
}

void PersonChooser::startOn(int row) {
  // Before its first filling the chooser holds no one, and no row to start on.
  if (persons_.empty()) return;
  grid_->setCurrentRow(std::clamp(row, 1, static_cast<int>(persons_.size())));
}

void PersonChooser::accept() {
  // The same row twice is one person; another row of the same name and date is another.
  if (refusedRow_ != 0 && currentRow_ == refusedRow_) {
    desktop_.showWarning(QStringLiteral("Choisissez une autre personne."));
    return;
  }
  QDialog::accept();
}

Person PersonChooser::chosenPerson() const {
  return persons_.at(static_cast<size_t>(currentRow_ - 1));
}

}  // namespace vorel
