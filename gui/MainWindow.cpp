// The main window.
#include "gui/MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QToolButton>

#include "base/ProfileFile.h"
#include "gui/AboutBox.h"
#include "gui/Desktop.h"
#include "gui/DialogLook.h"
#include "gui/Guard.h"
#include "gui/Layouts.h"
#include "gui/PersonChooser.h"
#include "gui/Placement.h"
#include "gui/RegisterEditor.h"
#include "gui/ReportWindow.h"
#include "report/Composition.h"
#include "report/CoupleReport.h"
#include "report/ThemeReport.h"
#include "system/LocaleNames.h"

namespace vorel {

MainWindow::MainWindow(Desktop& desktop, std::string settingsPath, RegisterEditor& registerEditor,
                       PersonChooser& personChooser, ReportWindow& reportWindow, AboutBox& aboutBox)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      desktop_(desktop),
      settingsPath_(std::move(settingsPath)),
      registerEditor_(registerEditor),
      personChooser_(personChooser),
      reportWindow_(reportWindow),
      aboutBox_(aboutBox) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QStringLiteral("Vorel"));
  setFixedSize(kMainWindowLayout.client);
  auto* toolbar = new QWidget(this);
  toolbar->setObjectName(QStringLiteral("toolbar"));
  toolbar->setFont(DialogFont(false));

  struct Tool {
    const char* name;
    QString caption;
    const char* picture;
    int pictureSize;
    const char* tip;
    void (MainWindow::*action)();  // null: quit
    // The command's standard keys besides its Alt letter, where it has some, and the keys of
    // the desktops where the platform names none.
    QKeySequence::StandardKey keys = QKeySequence::UnknownKey;
    QKeySequence otherwise = {};
  };
  const Tool tools[] = {
      {"registerButton", QStringLiteral("&Fichier"), "fichier", 16, nullptr,
       &MainWindow::editRegister},
      {"reportButton", QStringLiteral("&Vorel"), "vorel", 16, nullptr, &MainWindow::composeReport},
      {"themeButton", QStringLiteral("&Thème"), "theme", 16, nullptr, &MainWindow::composeTheme},
      {"coupleButton", QStringLiteral("&Couple"), "couple", 16, nullptr,
       &MainWindow::composeCouple},
      {"openButton", QStringLiteral("&Ouvrir"), "ouvrir", 20, "Ouvrir un fichier vorel",
       &MainWindow::openReport, QKeySequence::Open},
      {"helpButton", QStringLiteral("&Aide"), "aide", 20, nullptr, &MainWindow::showHelpContents},
      {"aboutButton", QStringLiteral("A &propos"), "apropos", 20, nullptr, &MainWindow::showAbout},
      {"quitButton", QStringLiteral("&Quitter"), "quitter", 16, nullptr, nullptr,
       QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)},
  };
  for (const Tool& tool : tools) {
    const ToolButtonLook look{tool.caption, tool.tip ? QString::fromUtf8(tool.tip) : QString(),
                              tool.pictureSize, true};
    QToolButton* button =
        MakeToolButton(toolbar, tool.name, QString::fromLatin1(tool.picture), look);
    const auto action = tool.action;
    if (action)
      connect(button, &QToolButton::clicked, this,
              Guarded(desktop_, [this, action] { (this->*action)(); }));
    else
      connect(button, &QToolButton::clicked, this, &QWidget::close);
    // The keys do what the button does.
    if (tool.keys != QKeySequence::UnknownKey)
      InstallCommandKey(
          *this, tool.keys, [button] { button->click(); }, tool.otherwise);
  }
  ApplyLayout(*this, kMainWindowLayout);
  InstallHelpKey(*this, desktop_);
}

void MainWindow::restorePlacement() {
  ApplyMainPlacement(*this, ProfileFile(settingsPath_).Entries());
}

void MainWindow::editRegister() {
  registerEditor_.exec();
}

void MainWindow::composeReport() {
  // The chooser shows a copy of the register as it stands, unsaved edits included.
  personChooser_.fill(registerEditor_.persons());
  if (personChooser_.exec() != QDialog::Accepted) return;
  const Person person = personChooser_.chosenPerson();
  // An invalid date stops here, with the report window as it was.
  reportWindow_.showReport(ComposeReport(person.name, person.date, SystemCalendarNames()));
}

void MainWindow::composeTheme() {
  personChooser_.fill(registerEditor_.persons());
  if (personChooser_.exec() != QDialog::Accepted) return;
  const Person person = personChooser_.chosenPerson();
  reportWindow_.showReport(
      ComposeTheme(person.name, person.date, QDate::currentDate().year(), SystemCalendarNames()),
      HelpTopic::Theme);
}

void MainWindow::composeCouple() {
  const std::vector<Person>& persons = registerEditor_.persons();
  personChooser_.fill(persons);
  personChooser_.askFor(QStringLiteral("Choix de la première personne"));
  if (personChooser_.exec() != QDialog::Accepted) return;
  const int firstRow = personChooser_.currentRow();
  const Person first = personChooser_.chosenPerson();
  // The second choice starts on the next person, or on the one before the last.
  const int count = static_cast<int>(persons.size());
  personChooser_.askFor(QStringLiteral("Choix de la seconde personne"), firstRow);
  personChooser_.startOn(firstRow < count ? firstRow + 1 : std::max(1, firstRow - 1));
  if (personChooser_.exec() != QDialog::Accepted) return;
  const Person second = personChooser_.chosenPerson();
  CoupleReport couple = ComposeCouple({first.name, first.date}, {second.name, second.date},
                                      QDate::currentDate().year(), SystemCalendarNames());
  Report report;
  report.caption = std::move(couple.caption);
  report.document = std::move(couple.document);
  reportWindow_.showReport(report, HelpTopic::Couple);
}

void MainWindow::openReport() {
  reportWindow_.openReport();
}

void MainWindow::showHelpContents() {
  desktop_.showHelp(HelpTopic::Contents);
}

void MainWindow::showAbout() {
  aboutBox_.exec();
}

void MainWindow::savePlacements() {
  ProfileFile settings(settingsPath_);
  SavePlacements(*this, reportWindow_, settings);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A failed write is shown and the program still ends: only the placement is lost.
  RunGuarded(desktop_, [this] { savePlacements(); });
  event->accept();
  // The main window ends the program even while the report window is still on the screen,
  // and asks nothing about an unsaved report: exit() does not offer the other windows a close
  // as quit() would.
  QCoreApplication::exit(0);
}

}  // namespace vorel
