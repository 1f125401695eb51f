// TMainForm.
#include "app/Main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QShortcut>
#include <QToolButton>

#include "app/Placement.h"
#include "app/sabout.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/ProfileFile.h"
#include "register/DialogLook.h"
#include "register/Schoixp.h"
#include "register/Sfichier.h"
#include "report/Composition.h"
#include "reportwin/Analwin.h"

namespace vorel {
namespace {

QToolButton* MakeToolButton(QWidget* panel, const char* name, const QString& caption,
                            const QString& picture, int left, int glyph) {
  auto* button = new QToolButton(panel);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(caption);
  button->setIcon(QIcon(QStringLiteral(":/vorel/%1.png").arg(picture)));
  button->setIconSize(QSize(glyph, glyph));
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::TabFocus);
  button->setGeometry(left, 2, 65, 45);
  return button;
}

}  // namespace

TMainForm::TMainForm(std::string programDir)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      SpeedPanel(new QWidget(this)),
      programDirOverride_(std::move(programDir)) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Vorel"));
  setFixedSize(388, 50);
  SpeedPanel->setObjectName(QStringLiteral("SpeedPanel"));
  SpeedPanel->setGeometry(0, 0, 388, 50);
  SpeedPanel->setFont(DialogFont(false));

  FichierBtn = MakeToolButton(SpeedPanel, "FichierBtn", QStringLiteral("&Fichier"),
                              QStringLiteral("fichier"), 2, 16);
  VorelBtn = MakeToolButton(SpeedPanel, "VorelBtn", QStringLiteral("&Vorel"),
                            QStringLiteral("vorel"), 66, 16);
  OpenBtn = MakeToolButton(SpeedPanel, "OpenBtn", QStringLiteral("&Ouvrir"),
                           QStringLiteral("ouvrir"), 130, 20);
  HelpBtn = MakeToolButton(SpeedPanel, "HelpBtn", QStringLiteral("&Aide"), QStringLiteral("aide"),
                           194, 20);
  AboutBtn = MakeToolButton(SpeedPanel, "AboutBtn", QStringLiteral("A &propos"),
                            QStringLiteral("apropos"), 258, 20);
  CloseBtn = MakeToolButton(SpeedPanel, "CloseBtn", QStringLiteral("&Quitter"),
                            QStringLiteral("quitter"), 322, 16);
  OpenBtn->setToolTip(QStringLiteral("Ouvrir un fichier vorel"));

  connect(FichierBtn, &QToolButton::clicked, this, Guarded([this] { FichierBtnClick(); }));
  connect(VorelBtn, &QToolButton::clicked, this, Guarded([this] { VorelBtnClick(); }));
  connect(OpenBtn, &QToolButton::clicked, this, Guarded([this] { OpenBtnClick(); }));
  connect(HelpBtn, &QToolButton::clicked, this, Guarded([this] { AideClick(); }));
  connect(AboutBtn, &QToolButton::clicked, this, Guarded([this] { AboutClick(); }));
  connect(CloseBtn, &QToolButton::clicked, this, Guarded([this] { CloseBtnClick(); }));

  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  help->setContext(Qt::WindowShortcut);
  connect(help, &QShortcut::activated, this, [] { ShowHelpTopic(1); });
}

void TMainForm::SetPeers(TFichier* fichier, TChoixP* choixP, TAnalyseChild* analyseChild,
                         TAboutBox* aboutBox) {
  fichier_ = fichier;
  choixP_ = choixP;
  analyseChild_ = analyseChild;
  aboutBox_ = aboutBox;
}

void TMainForm::FormCreate() {
  ApplyMainPlacement(*this, ProfileFile(ProfileFile::DefaultPath()));
  ProgramDir = programDirOverride_.empty() ? ExecutableDirectory() : programDirOverride_;
  if (ProgramDir.empty() || ProgramDir.back() != '/') ProgramDir += '/';
}

void TMainForm::FichierBtnClick() {
  fichier_->exec();
}

void TMainForm::VorelBtnClick() {
  // The chooser shows a copy of the register as it stands, unsaved edits included.
  choixP_->Fill(fichier_->List());
  if (choixP_->exec() != QDialog::Accepted) return;
  const Person person = choixP_->CurrentPerson();
  // An invalid date stops here, with the report window as it was.
  const Report report = ComposeReport(person.name, person.date, SystemCalendarNames());
  Numbers = report.numbers;
  analyseChild_->ShowReport(report);
}

void TMainForm::OpenBtnClick() {
  analyseChild_->OpenBtnClick();
}

void TMainForm::AideClick() {
  ShowHelpTopic(0);
}

void TMainForm::AboutClick() {
  aboutBox_->exec();
}

void TMainForm::CloseBtnClick() {
  close();
}

void TMainForm::FormClose() {
  // A failed write is shown and the program still ends: only the placement is lost.
  ProfileFile settings(ProfileFile::DefaultPath());
  SavePlacements(*this, *analyseChild_, settings);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  RunGuarded([this] { FormClose(); });
  event->accept();
  // The main window ends the program even while the report window is still on the screen,
  // and asks nothing about an unsaved report: exit() does not offer the other windows a close
  // as quit() would.
  QCoreApplication::exit(0);
}

}  // namespace vorel
