// The main window.
#include "gui/MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QToolButton>

#include "base/ProfileFile.h"
#include "gui/AboutBox.h"
#include "gui/DialogLook.h"
#include "gui/Dialogs.h"
#include "gui/Guard.h"
#include "gui/PersonChooser.h"
#include "gui/Placement.h"
#include "gui/RegisterEditor.h"
#include "gui/ReportWindow.h"
#include "report/Composition.h"
#include "system/LocaleNames.h"

namespace vorel {

MainWindow::MainWindow(RegisterEditor& registerEditor, PersonChooser& personChooser,
                       ReportWindow& reportWindow, AboutBox& aboutBox)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      registerEditor_(registerEditor),
      personChooser_(personChooser),
      reportWindow_(reportWindow),
      aboutBox_(aboutBox) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QStringLiteral("Vorel"));
  setFixedSize(388, 50);
  auto* toolbar = new QWidget(this);
  toolbar->setObjectName(QStringLiteral("toolbar"));
  toolbar->setGeometry(0, 0, 388, 50);
  toolbar->setFont(DialogFont(false));

  struct Tool {
    const char* name;
    QString caption;
    const char* picture;
    int pictureSize;
    const char* tip;
    void (MainWindow::*action)();  // null: quit
  };
  const Tool tools[] = {
      {"registerButton", QStringLiteral("&Fichier"), "fichier", 16, nullptr,
       &MainWindow::editRegister},
      {"reportButton", QStringLiteral("&Vorel"), "vorel", 16, nullptr, &MainWindow::composeReport},
      {"openButton", QStringLiteral("&Ouvrir"), "ouvrir", 20, "Ouvrir un fichier vorel",
       &MainWindow::openReport},
      {"helpButton", QStringLiteral("&Aide"), "aide", 20, nullptr, &MainWindow::showHelpContents},
      {"aboutButton", QStringLiteral("A &propos"), "apropos", 20, nullptr, &MainWindow::showAbout},
      {"quitButton", QStringLiteral("&Quitter"), "quitter", 16, nullptr, nullptr},
  };
  int left = 2;
  for (const Tool& tool : tools) {
    const ToolButtonLook look{tool.caption, tool.tip ? QString::fromUtf8(tool.tip) : QString(),
                              tool.pictureSize, true};
    QToolButton* button = MakeToolButton(toolbar, tool.name, QString::fromLatin1(tool.picture),
                                         QRect(left, 2, 65, 45), look);
    const auto action = tool.action;
    if (action)
      connect(button, &QToolButton::clicked, this, Guarded([this, action] { (this->*action)(); }));
    else
      connect(button, &QToolButton::clicked, this, &QWidget::close);
    left += 64;
  }
  InstallHelpKey(*this);
}

void MainWindow::restorePlacement() {
  ApplyMainPlacement(*this, ProfileFile(ProfileFile::DefaultPath()));
}

void MainWindow::editRegister() {
  registerEditor_.exec();
}

void MainWindow::composeReport() {
  // The chooser shows a copy of the register as it stands, unsaved edits included.
  personChooser_.fill(registerEditor_.list());
  if (personChooser_.exec() != QDialog::Accepted) return;
  const Person person = personChooser_.chosenPerson();
  // An invalid date stops here, with the report window as it was.
  const Report report = ComposeReport(person.name, person.date, SystemCalendarNames());
  numbers_ = report.numbers;
  reportWindow_.showReport(report);
}

void MainWindow::openReport() {
  reportWindow_.openReport();
}

void MainWindow::showHelpContents() {
  ShowHelpTopic(0);
}

void MainWindow::showAbout() {
  aboutBox_.exec();
}

void MainWindow::savePlacements() {
  ProfileFile settings(ProfileFile::DefaultPath());
  SavePlacements(*this, reportWindow_, settings);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A failed write is shown and the program still ends: only the placement is lost.
  RunGuarded([this] { savePlacements(); });
  event->accept();
  // The main window ends the program even while the report window is still on the screen,
  // and asks nothing about an unsaved report: exit() does not offer the other windows a close
  // as quit() would.
  QCoreApplication::exit(0);
}

}  // namespace vorel
