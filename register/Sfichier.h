// TFichier: the register editor. It owns the register list for the whole run.
#pragma once

#include <QDialog>
#include <string>

#include "register/RegisterFile.h"

class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace vorel {

class RegisterGrid;
class RegisterModel;
class TMainForm;
class TSaisie;

class TFichier : public QDialog {
  Q_OBJECT

 public:
  explicit TFichier(TMainForm* mainForm);
  ~TFichier() override;
  void SetPeers(TSaisie* saisie);

  // Creation handler: loads the register file. A load error is thrown once the list, the
  // grid and the counter agree on what was kept.
  void FormCreate();

  void PlusBtnClick();
  void ModifBtnClick();
  void MoinsBtnClick();
  void SortBtnClick();
  void GrilleClick();
  // True when the key was the grid's Delete.
  bool GrilleKeyDown(int key);
  bool FormCloseQuery();

  void ShowFicheNumber(int row);
  bool QuerySave();

  // What the report composition reads: the list as it stands, unsaved edits included.
  const RegisterList& List() const { return list_; }
  bool Modified() const { return list_.modified; }
  int FicheCount() const { return list_.FicheCount(); }
  std::string RegisterPath() const;

  QFrame* Bevel1;
  RegisterGrid* Grille;
  QLabel* Numero;
  QPushButton* PlusBtn;
  QPushButton* MoinsBtn;
  QPushButton* ModifBtn;
  QPushButton* SortBtn;
  QPushButton* OKBtn;

  // Every way of closing (OK, Enter, the close box) goes through the close query.
  void done(int result) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The person entry dialog's date, the year as typed.
  std::string EnteredDate(int year) const;

  TMainForm* mainForm_;
  TSaisie* saisie_ = nullptr;
  RegisterList list_;
  RegisterModel* model_;
};

}  // namespace vorel
