// TChoixP.
#include "register/Schoixp.h"

#include <QHeaderView>
#include <QPushButton>
#include <algorithm>

#include "register/DialogLook.h"
#include "register/RegisterGrid.h"

namespace vorel {

TChoixP::TChoixP() {
  SetUpFixedDialog(*this, "ChoixP", QStringLiteral("Choix d'une personne"), 464, 369);

  Bevel1 = MakeBevel(this, QRect(8, 8, 449, 313));
  Grille = new RegisterGrid(this);
  Grille->setObjectName(QStringLiteral("Grille"));
  Grille->setGeometry(24, 24, 417, 281);
  Grille->setFont(DialogFont(false));
  Grille->horizontalHeader()->setDefaultSectionSize(132);
  model_ = new RegisterModel(&list_, this);
  Grille->setModel(model_);

  OKBtn = MakeButton(this, "OKBtn", QStringLiteral("OK"), QRect(296, 332, 77, 27));
  OKBtn->setDefault(true);
  CancelBtn = MakeButton(this, "CancelBtn", QStringLiteral("Annuler"), QRect(380, 332, 77, 27));
  setTabOrder(Grille, OKBtn);
  setTabOrder(OKBtn, CancelBtn);
  OKBtn->setFocus();

  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  // Remembered here, not read from the view: a new copy resets the view's current row.
  connect(Grille->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) currentRow_ = current.row() + 1;
          });
}

TChoixP::~TChoixP() = default;

void TChoixP::Fill(const RegisterList& list) {
  const int kept = currentRow_;
  model_->Reset([&] { list_ = list; });
  Grille->SetColumnWidths(300, Grille->width() - 100);
  Grille->SetCurrentRow(std::min(kept, list_.FicheCount()));
}

int TChoixP::CurrentRow() const {
  return currentRow_;
}

Person TChoixP::CurrentPerson() const {
  return list_.persons.at(static_cast<size_t>(CurrentRow() - 1));
}

}  // namespace vorel
