// The register editor. It owns the register list for the whole run: the chooser and the
// report composition read it here, unsaved edits included.
#pragma once

#include <QDialog>
#include <string>

#include "register/RegisterFile.h"

class QKeyEvent;
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
  // registerPath: the register file; entry: the dialog that adds and modifies a person.
  RegisterEditor(Desktop& desktop, std::string registerPath, PersonEntryDialog& entry);
  ~RegisterEditor() override;

  // Creation step: loads the register file. A load error is thrown once the list, the grid
  // and the counter agree on what was kept.
  void loadRegister();

  void addPerson();
  void modifyPerson();
  void deletePerson();
  void sortRegister();
  // The save question when the list changed; true when the editor may close.
  bool askToSave();

  const RegisterList& list() const { return list_; }
  bool isModified() const { return list_.modified; }
  int personCount() const { return list_.PersonCount(); }
  const std::string& registerPath() const { return registerPath_; }

  // Every way of closing (OK, Enter, the close box) goes through the save question.
  void done(int result) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // "Fiche row/N" under the grid; "Trier" only with more than one person.
  void showRowNumber(int row);
  // The entry dialog's date, with year in place of its year field.
  std::string enteredDate(int year) const;
  // The year of the entry dialog as Add reads it: one or two characters are a year of the
  // 1900s. A rule of dates, not of this dialog: it moves to the date layer once that has it.
  static int yearOfThe1900s(const QString& yearText);

  Desktop& desktop_;
  std::string registerPath_;
  PersonEntryDialog& entry_;
  RegisterList list_;
  RegisterModel* model_;
  RegisterGrid* grid_;
  QLabel* rowNumber_;
  QPushButton* sortButton_;
};

}  // namespace vorel
