// The person chooser: a copy of the register list, made at each showing, and OK or Annuler;
// for the second person of a two-person report, OK refuses the first one's row.
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
  // grid's width - 100), and keeps its current row, or the last row when there are fewer. The
  // chooser is then the plain one: "Choix d'une personne", any row.
  void fill(const std::vector<Person>& persons);
  // For the persons of a two-person report: the caption, and a row that may not be chosen (the
  // first person's, when choosing the second; 0 for none), which OK refuses with a warning.
  void askFor(const QString& caption, int refusedRow = 0);
  // The row the next showing starts on.
  void startOn(int row);

  void accept() override;
  // 1-based grid row of the chosen person.
  int currentRow() const { return currentRow_; }
  Person chosenPerson() const;

 private:
  Desktop& desktop_;
  std::vector<Person> persons_;
  int refusedRow_ = 0;
  RegisterModel* model_;
  RegisterGrid* grid_;
  int currentRow_ = 1;
};

}  // namespace vorel
