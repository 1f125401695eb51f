// The register editor.
#include "gui/RegisterEditor.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "base/Cp1252.h"
#include "base/Error.h"
#include "base/FileMessages.h"
#include "base/IntegerText.h"
#include "gui/BusyCursor.h"
#include "gui/Desktop.h"
#include "gui/DialogLook.h"
#include "gui/Guard.h"
#include "gui/Layouts.h"
#include "gui/PersonEntryDialog.h"
#include "gui/RegisterGrid.h"
#include "gui/RegisterModel.h"
#include "numerology/DateText.h"

namespace vorel {
namespace {

int FieldInteger(const QString& text) {
  return TextToInteger(text.toStdString()).value_or(0);
}

}  // namespace

RegisterEditor::RegisterEditor(Desktop& desktop, Register& persons, PersonEntryDialog& entry)
    : desktop_(desktop), register_(persons), entry_(entry) {
  // The caption has always ended with a space.
  SetUpFixedDialog(*this, desktop_, "registerEditor",
                   QStringLiteral("Fichier des noms et des dates de naissance "),
                   kRegisterEditorLayout.client);

  MakeBevel(this);
  grid_ = new RegisterGrid(this);
  grid_->setObjectName(QStringLiteral("personGrid"));
  grid_->setFont(DialogFont(false));
  model_ = new RegisterModel(&register_.persons(), this);
  grid_->setModel(model_);

  rowNumber_ = new QLabel(QStringLiteral("Fiche 9999/9999"), this);
  rowNumber_->setObjectName(QStringLiteral("rowNumber"));
  SetTextColour(rowNumber_, QColor(0, 0, 255));

  QPushButton* add =
      MakeButton(this, "addButton", QStringLiteral("&Ajouter"), QStringLiteral("ajouter"), 20);
  QPushButton* remove = MakeButton(this, "deleteButton", QStringLiteral("&Supprimer"),
                                   QStringLiteral("supprimer"), 20);
  QPushButton* modify =
      MakeButton(this, "modifyButton", QStringLiteral("&Modifier"), QStringLiteral("modifier"), 20);
  sortButton_ =
      MakeButton(this, "sortButton", QStringLiteral("&Trier"), QStringLiteral("trier"), 20);
  QPushButton* ok = MakeButton(this, "okButton", QStringLiteral("OK"));
  ok->setDefault(true);
  ApplyLayout(*this, kRegisterEditorLayout);
  // The counter grows with its text but never gets narrower than its place in the layout.
  rowNumber_->setMinimumWidth(rowNumber_->width());
  ok->setFocus();

  connect(add, &QPushButton::clicked, this, Guarded(desktop_, [this] { addPerson(); }));
  connect(remove, &QPushButton::clicked, this, Guarded(desktop_, [this] { deletePerson(); }));
  connect(modify, &QPushButton::clicked, this, Guarded(desktop_, [this] { modifyPerson(); }));
  connect(sortButton_, &QPushButton::clicked, this, Guarded(desktop_, [this] { sortRegister(); }));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          Guarded(desktop_, [this] { showRowNumber(grid_->currentRow()); }));
  grid_->installEventFilter(this);
  // Whatever changes the register (an edit, a load, a merge with another program's changes),
  // the counter and the sort button follow.
  register_.SetChangeCallback([this] { showRowNumber(grid_->currentRow()); });
}

RegisterEditor::~RegisterEditor() {
  register_.SetChangeCallback({});
}

void RegisterEditor::loadRegister() {
  grid_->setColumnWidths(300, grid_->width() - 100);
  std::optional<Error> error;
  {
    BusyCursor busy;
    // The register keeps what was read: the grid and the counter show it before the error.
    model_->reset([&] { error = register_.Load(); });
  }
  grid_->setCurrentRow(1);
  showRowNumber(1);
  if (error) throw *error;
}

void RegisterEditor::addPerson() {
  entry_.prepare(QStringLiteral("Ajouter"));
  if (entry_.exec() != QDialog::Accepted) return;

  Person person{TextToCell(entry_.name()),
                enteredDate(YearOfTypedDate(entry_.yearText().toStdString()))};
  model_->appendPerson([&] { register_.Append(std::move(person)); });
  grid_->setCurrentRow(personCount());
  showRowNumber(personCount());
}

void RegisterEditor::modifyPerson() {
  const int row = grid_->currentRow();
  const Person& person = register_.person(row - 1);
  if (!person.date.empty()) {
    // The cell holds the file's bytes; the message must hold readable text.
    const Date date = TextToDate(Cp1252ToUtf8(person.date));
    entry_.prepare(QStringLiteral("Modifier"), CellToText(person.name), QString::number(date.day),
                   QString::number(date.month), QString::number(date.year));
  } else {
    entry_.prepare(QStringLiteral("Modifier"), CellToText(person.name));
  }
  if (entry_.exec() != QDialog::Accepted) return;

  // Unlike Add, Modify keeps the year as typed, so "62" stays the year 62. Odd, but the
  // program has always done so, and registers hold dates made this way.
  const int year = FieldInteger(entry_.yearText());
  register_.Replace(row - 1, Person{TextToCell(entry_.name()), enteredDate(year)});
  model_->personChanged(row);
}

std::string RegisterEditor::enteredDate(int year) const {
  const int month = FieldInteger(entry_.monthText());
  const int day = FieldInteger(entry_.dayText());
  return DateToText(Date{day, month, year});
}

void RegisterEditor::deletePerson() {
  BusyCursor busy;
  const int row = grid_->currentRow();
  const auto remove = [&] { register_.DeleteRows(row, row); };
  // The last person is emptied, not removed, and the sample person takes the row.
  if (personCount() > 1)
    model_->removePerson(row, remove);
  else
    model_->reset(remove);
  // The row number stays; past the end it becomes the new last row.
  grid_->setCurrentRow(std::min(row, personCount()));
  showRowNumber(grid_->currentRow());
}

void RegisterEditor::sortRegister() {
  BusyCursor busy;
  model_->reset([&] { register_.Sort(); });
  grid_->setCurrentRow(1);
  showRowNumber(1);
}

void RegisterEditor::showRowNumber(int row) {
  rowNumber_->setText(QStringLiteral("Fiche %1/%2").arg(row).arg(personCount()));
  // The label grows with its text, as a register of 100,000 persons needs.
  rowNumber_->resize(std::max(rowNumber_->minimumWidth(), rowNumber_->sizeHint().width()),
                     rowNumber_->height());
  sortButton_->setEnabled(personCount() != 1);
}

bool RegisterEditor::askToSave() {
  if (!register_.modified()) return true;
  switch (desktop_.askConfirmation(
      QStringLiteral("Le fichier a été modifié. Voulez-vous l'enregistrer ?"))) {
    case Answer::Yes:
      // A failed save throws: the error box says so and the dialog stays open, so that the
      // user can try again or answer "Non".
      return save();
    case Answer::No:
      return true;
    default:
      return false;
  }
}

bool RegisterEditor::save() {
  {
    BusyCursor busy;
    if (register_.Save(SaveConflict::Ask) == SaveOutcome::Saved) return true;
  }
  // Another program changed the file since it was loaded: adding this window's changes to
  // it loses no one; replacing it loses the other program's.
  switch (desktop_.askConfirmation(
      QString::fromStdString(FileMessageText(FileMessage::RegisterChanged)))) {
    case Answer::Yes: {
      BusyCursor busy;
      const int row = grid_->currentRow();
      model_->reset([&] { register_.Save(SaveConflict::Merge); });
      grid_->setCurrentRow(std::min(row, personCount()));
      showRowNumber(grid_->currentRow());
      return true;
    }
    case Answer::No: {
      BusyCursor busy;
      register_.Save(SaveConflict::Overwrite);
      return true;
    }
    default:
      return false;
  }
}

void RegisterEditor::done(int result) {
  bool mayClose = false;
  RunGuarded(desktop_, [&] { mayClose = askToSave(); });
  if (mayClose) QDialog::done(result);
}

bool RegisterEditor::eventFilter(QObject* watched, QEvent* event) {
  // Delete in the grid deletes the current person.
  if (watched == grid_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    RunGuarded(desktop_, [this] { deletePerson(); });
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace vorel
