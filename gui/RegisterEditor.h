// The register editor: the window on the register of persons, which the program holds for the
// whole run (the chooser and the composition read it too, unsaved edits included).
#pragma once

#include <QDialog>
#include <string>

#include "register/Register.h"

class QLabel;
class QPushButton;

namespace vorel {

class Desktop;
class PersonEntryDialog;
class RegisterGrid;
class RegisterModel;

class RegisterEditor : public QDialog {
  Q_OBJECT

 public:
  // persons: the register it edits; entry: the dialog that adds and modifies a person.
  RegisterEditor(Desktop& desktop, Register& persons, PersonEntryDialog& entry);
  ~RegisterEditor() override;

  // Creation step: loads the register file. A load error is thrown once the list, the grid
  // and the counter agree on what was kept.
  void loadRegister();

  void addPerson();
  void modifyPerson();
  void deletePerson();
  void sortRegister();
  // The save question when the register changed, and the question of a register another
  // program changed meanwhile; true when the editor may close.
  bool askToSave();

  const std::vector<Person>& persons() const { return register_.persons(); }
  bool isModified() const { return register_.modified(); }
  int personCount() const { return register_.size(); }
  const std::string& registerPath() const { return register_.path(); }

  // Every way of closing (OK, Enter, Escape, the close box) goes through the save question.
  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // "Fiche row/N" under the grid; "Trier" only with more than one person.
  void showRowNumber(int row);
  // The entry dialog's date, with year in place of its year field.
  std::string enteredDate(int year) const;
  // Saves, asking first when another program changed the file; false when the user cancels.
  bool save();

  Desktop& desktop_;
  Register& register_;
  PersonEntryDialog& entry_;
  RegisterModel* model_;
  RegisterGrid* grid_;
  QLabel* rowNumber_;
  QPushButton* sortButton_;
};

}  // namespace vorel
