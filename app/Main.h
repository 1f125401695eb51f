// TMainForm: the toolbar window from which every function of the program is reached.
#pragma once

#include <QWidget>
#include <string>

#include "numerology/Numbers.h"

class QToolButton;

namespace vorel {

class TFichier;
class TChoixP;
class TAnalyseChild;
class TAboutBox;

class TMainForm : public QWidget {
  Q_OBJECT

 public:
  // programDir: where the register lives; empty means the executable's directory.
  explicit TMainForm(std::string programDir = {});

  void SetPeers(TFichier* fichier, TChoixP* choixP, TAnalyseChild* analyseChild,
                TAboutBox* aboutBox);

  // Creation handler: placement from the settings, ProgramDir.
  void FormCreate();

  void FichierBtnClick();
  void VorelBtnClick();
  void OpenBtnClick();
  void AideClick();
  void AboutClick();
  void CloseBtnClick();
  // Close handler: writes the placements of the main and report windows.
  void FormClose();

  std::string ProgramDir;
  CoreNumbers Numbers;  // of the person of the last report

  QWidget* SpeedPanel;
  QToolButton* FichierBtn;
  QToolButton* VorelBtn;
  QToolButton* OpenBtn;
  QToolButton* HelpBtn;
  QToolButton* AboutBtn;
  QToolButton* CloseBtn;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::string programDirOverride_;
  TFichier* fichier_ = nullptr;
  TChoixP* choixP_ = nullptr;
  TAnalyseChild* analyseChild_ = nullptr;
  TAboutBox* aboutBox_ = nullptr;
};

}  // namespace vorel
