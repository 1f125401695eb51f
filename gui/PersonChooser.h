// The person chooser: a copy of the register list, made at each showing, and OK or Annuler.
#pragma once

#include <QDialog>

#include <vector>

#include "register/RegisterFile.h"

namespace vorel {

class Desktop;
class RegisterGrid;
class RegisterModel;

class PersonChooser : public QDialog {
  Q_OBJECT

 public:
  explicit PersonChooser(Desktop& desktop);
  ~PersonChooser() override;

  // Before each showing: the grid gets a copy of the persons, its column widths (300 and the
  // grid's width - 100), and keeps its current row, or the last row when there are fewer.
  void fill(const std::vector<Person>& persons);
  // 1-based grid row of the chosen person.
  int currentRow() const { return currentRow_; }
  Person chosenPerson() const;

 private:
  std::vector<Person> persons_;
  RegisterModel* model_;
  RegisterGrid* grid_;
  int currentRow_ = 1;
};

}  // namespace vorel
