// TFichier: the register editor.
#pragma once

#include <QDialog>

namespace vorel {

class TMainForm;
class TSaisie;

class TFichier : public QDialog {
  Q_OBJECT

 public:
  explicit TFichier(TMainForm* mainForm);
  void SetPeers(TSaisie* saisie);
  // Creation handler: loads the register file.
  void FormCreate();

 private:
  TMainForm* mainForm_;
  TSaisie* saisie_ = nullptr;
};

}  // namespace vorel
