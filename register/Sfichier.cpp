// TFichier.
#include "register/Sfichier.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "app/Main.h"
#include "platform/Cp1252.h"
#include "platform/Dialogs.h"
#include "platform/Error.h"
#include "platform/Guard.h"
#include "register/DateText.h"
#include "register/DialogLook.h"
#include "register/RegisterGrid.h"
#include "register/Ssaisie.h"

namespace vorel {
namespace {

class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

constexpr int kNumeroWidth = 98;

}  // namespace

TFichier::TFichier(TMainForm* mainForm) : mainForm_(mainForm) {
  SetUpFixedDialog(*this, "Fichier", QStringLiteral("Fichier des noms et des dates de naissance "),
                   592, 372);

  // The invariant holds from the start: never fewer than one person.
  list_.persons.push_back(Person{});
  PutSamplePerson(list_);

  Bevel1 = MakeBevel(this, QRect(8, 8, 577, 313));
  Grille = new RegisterGrid(this);
  Grille->setObjectName(QStringLiteral("Grille"));
  Grille->setGeometry(24, 24, 425, 281);
  Grille->setFont(DialogFont(false));
  model_ = new RegisterModel(&list_, this);
  Grille->setModel(model_);

  Numero = new QLabel(QStringLiteral("Fiche 9999/9999"), this);
  Numero->setObjectName(QStringLiteral("Numero"));
  Numero->setGeometry(464, 24, kNumeroWidth, 13);
  QPalette blue = Numero->palette();
  blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
  Numero->setPalette(blue);

  PlusBtn = MakeButton(this, "PlusBtn", QStringLiteral("Ajouter"), QRect(464, 72, 105, 33),
                       QStringLiteral("ajouter"), 20);
  MoinsBtn = MakeButton(this, "MoinsBtn", QStringLiteral("Supprimer"), QRect(464, 139, 105, 33),
                        QStringLiteral("supprimer"), 20);
  ModifBtn = MakeButton(this, "ModifBtn", QStringLiteral("Modifier"), QRect(464, 205, 105, 33),
                        QStringLiteral("modifier"), 20);
  SortBtn = MakeButton(this, "SortBtn", QStringLiteral("Trier"), QRect(464, 272, 105, 33),
                       QStringLiteral("trier"), 20);
  OKBtn = MakeButton(this, "OKBtn", QStringLiteral("OK"), QRect(464, 332, 105, 27));
  OKBtn->setDefault(true);

  setTabOrder(OKBtn, PlusBtn);
  setTabOrder(PlusBtn, MoinsBtn);
  setTabOrder(MoinsBtn, ModifBtn);
  setTabOrder(ModifBtn, SortBtn);
  setTabOrder(SortBtn, Grille);
  OKBtn->setFocus();

  connect(PlusBtn, &QPushButton::clicked, this, Guarded([this] { PlusBtnClick(); }));
  connect(MoinsBtn, &QPushButton::clicked, this, Guarded([this] { MoinsBtnClick(); }));
  connect(ModifBtn, &QPushButton::clicked, this, Guarded([this] { ModifBtnClick(); }));
  connect(SortBtn, &QPushButton::clicked, this, Guarded([this] { SortBtnClick(); }));
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(Grille->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          Guarded([this] { GrilleClick(); }));
  Grille->installEventFilter(this);
}

TFichier::~TFichier() = default;

void TFichier::SetPeers(TSaisie* saisie) {
  saisie_ = saisie;
}

std::string TFichier::RegisterPath() const {
  return mainForm_->ProgramDir + kRegisterFileName;
}

void TFichier::FormCreate() {
  Grille->SetColumnWidths(300, Grille->width() - 100);
  std::optional<std::string> error;
  {
    BusyCursor busy;
    model_->Reset([&] { error = LoadRegister(RegisterPath(), list_); });
  }
  Grille->SetCurrentRow(1);
  // The counter shows what was kept even when the load stopped part-way.
  ShowFicheNumber(1);
  if (error) throw Error(*error);
}

void TFichier::PlusBtnClick() {
  saisie_->setWindowTitle(QStringLiteral("Ajouter"));
  saisie_->NomEdit->clear();
  saisie_->JourEdit->clear();
  saisie_->MoisEdit->clear();
  saisie_->AnneeEdit->clear();
  saisie_->NomEdit->setFocus();
  if (saisie_->exec() != QDialog::Accepted) return;

  // A year typed on one or two digits is of the 1900s.
  const QString yearText = saisie_->AnneeEdit->text();
  int year = TextToInteger(yearText).value_or(0);
  if (yearText.size() < 3) year += 1900;
  model_->AppendPerson(Person{TextToCell(saisie_->NomEdit->text()), EnteredDate(year)});
  Grille->SetCurrentRow(FicheCount());
  ShowFicheNumber(FicheCount());
  list_.modified = true;
}

void TFichier::ModifBtnClick() {
  const int row = Grille->CurrentRow();
  const Person& person = list_.persons.at(static_cast<size_t>(row - 1));
  saisie_->setWindowTitle(QStringLiteral("Modifier"));
  saisie_->NomEdit->setText(CellToText(person.name));
  if (!person.date.empty()) {
    // The cell holds the file's bytes; the message must hold readable text.
    const Date date = TextToDate(Cp1252ToUtf8(person.date));
    saisie_->JourEdit->setText(QString::number(date.day));
    saisie_->MoisEdit->setText(QString::number(date.month));
    saisie_->AnneeEdit->setText(QString::number(date.year));
  } else {
    saisie_->JourEdit->clear();
    saisie_->MoisEdit->clear();
    saisie_->AnneeEdit->clear();
  }
  saisie_->NomEdit->setFocus();
  if (saisie_->exec() != QDialog::Accepted) return;

  const int year = TextToInteger(saisie_->AnneeEdit->text()).value_or(0);
  model_->SetPerson(row, Person{TextToCell(saisie_->NomEdit->text()), EnteredDate(year)});
  list_.modified = true;
}

std::string TFichier::EnteredDate(int year) const {
  const int month = TextToInteger(saisie_->MoisEdit->text()).value_or(0);
  const int day = TextToInteger(saisie_->JourEdit->text()).value_or(0);
  return DateToText(Date{day, month, year});
}

void TFichier::MoinsBtnClick() {
  BusyCursor busy;
  const int row = Grille->CurrentRow();
  const auto remove = [&] { DeleteRows(list_, row, row); };
  // The last person is emptied, not removed, and the sample person takes the row.
  if (FicheCount() > 1)
    model_->RemoveRow(row, remove);
  else
    model_->Reset(remove);
  // The row number stays; past the end it becomes the new last row.
  Grille->SetCurrentRow(std::min(row, FicheCount()));
  ShowFicheNumber(Grille->CurrentRow());
}

void TFichier::SortBtnClick() {
  BusyCursor busy;
  model_->Reset([&] { SortRegister(list_); });
  Grille->SetCurrentRow(1);
  ShowFicheNumber(1);
}

void TFichier::GrilleClick() {
  ShowFicheNumber(Grille->CurrentRow());
}

bool TFichier::GrilleKeyDown(int key) {
  if (key != Qt::Key_Delete) return false;
  MoinsBtnClick();
  return true;
}

bool TFichier::FormCloseQuery() {
  return QuerySave();
}

void TFichier::ShowFicheNumber(int row) {
  Numero->setText(QStringLiteral("Fiche %1/%2").arg(row).arg(FicheCount()));
  // The label grows with its text, as a register of 100,000 persons needs.
  Numero->resize(std::max(kNumeroWidth, Numero->sizeHint().width()), Numero->height());
  SortBtn->setEnabled(FicheCount() != 1);
}

bool TFichier::QuerySave() {
  if (!list_.modified) return true;
  switch (
      AskConfirmation(QStringLiteral("Le fichier a été modifié. Voulez-vous l'enregistrer ?"))) {
    case Answer::Yes: {
      // A failed save throws: the error box says so and the dialog stays open, so that the
      // user can try again or answer "Non".
      BusyCursor busy;
      SaveRegister(RegisterPath(), list_);
      return true;
    }
    case Answer::No:
      return true;
    default:
      return false;
  }
}

void TFichier::done(int result) {
  bool mayClose = false;
  RunGuarded([&] { mayClose = FormCloseQuery(); });
  if (mayClose) QDialog::done(result);
}

void TFichier::keyPressEvent(QKeyEvent* event) {
  // No cancel button: Escape does nothing.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool TFichier::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Grille && event->type() == QEvent::KeyPress) {
    bool handled = false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    RunGuarded([&] { handled = GrilleKeyDown(key); });
    if (handled) return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace vorel
