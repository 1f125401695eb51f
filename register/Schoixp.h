// TChoixP: the person chooser, showing a copy of the register list made at each showing.
#pragma once

#include <QDialog>

#include "register/RegisterFile.h"

class QFrame;
class QPushButton;

namespace vorel {

class RegisterGrid;
class RegisterModel;

class TChoixP : public QDialog {
  Q_OBJECT

 public:
  TChoixP();
  ~TChoixP() override;

  // Before each showing: the grid gets a copy of list, its column widths (300 and the grid's
  // width - 100), and keeps its current row, or the last row when the list got shorter.
  void Fill(const RegisterList& list);
  // 1-based grid row of the chosen person.
  int CurrentRow() const;
  Person CurrentPerson() const;

  QFrame* Bevel1;
  RegisterGrid* Grille;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 private:
  RegisterList list_;
  RegisterModel* model_;
  int currentRow_ = 1;
};

}  // namespace vorel
