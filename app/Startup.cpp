// The start-up sequence.
#include "app/Startup.h"

#include <QApplication>
#include <QFileInfo>

#include "app/Main.h"
#include "app/Sleeper.h"
#include "app/Slogo.h"
#include "app/Ssplash.h"
#include "app/sabout.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/HelpWindow.h"
#include "register/Schoixp.h"
#include "register/Sfichier.h"
#include "register/Ssaisie.h"
#include "report/Catalogue.h"
#include "reportwin/Analwin.h"

namespace vorel {
namespace {

Windows* gWindows = nullptr;

void Note(std::vector<std::string>* log, const char* what) {
  if (log) log->emplace_back(what);
}

}  // namespace

Windows::Windows(const StartupOptions& options, std::vector<std::string>* log) {
  // A creation handler's error is shown and the next window is created all the same.
  MainForm = std::make_unique<TMainForm>(options.programDir);
  RunGuarded([this] { MainForm->FormCreate(); });
  Note(log, "MainForm");
  HelpFile = QString::fromStdString(MainForm->ProgramDir) + QStringLiteral("VOREL.HLP");

  Fichier = std::make_unique<TFichier>(MainForm.get());
  RunGuarded([this] { Fichier->FormCreate(); });
  Note(log, "Fichier");

  Saisie = std::make_unique<TSaisie>();
  Note(log, "Saisie");

  ChoixP = std::make_unique<TChoixP>();
  Note(log, "ChoixP");

  AnalyseChild = std::make_unique<TAnalyseChild>();
  RunGuarded([this] { AnalyseChild->FormCreate(); });
  Note(log, "AnalyseChild");

  for (CatalogueId id : kAllCatalogues) {
    LoadCatalogue(id);
    Note(log, CatalogueName(id));
  }

  AboutBox = std::make_unique<TAboutBox>();
  Note(log, "AboutBox");

  MainForm->SetPeers(Fichier.get(), ChoixP.get(), AnalyseChild.get(), AboutBox.get());
  Fichier->SetPeers(Saisie.get());

  gWindows = this;
  SetHelpHandler([](int topic) {
    if (gWindows) gWindows->ShowHelp(topic);
  });
}

Windows::~Windows() {
  if (gWindows == this) {
    gWindows = nullptr;
    SetHelpHandler(nullptr);
  }
  // Later windows may refer to earlier ones: destroy in the reverse order of creation.
  Help.reset();
  AboutBox.reset();
  AnalyseChild.reset();
  ChoixP.reset();
  Saisie.reset();
  Fichier.reset();
  MainForm.reset();
}

void Windows::ShowHelp(int topic) {
  if (!Help) Help = std::make_unique<HelpWindow>(HelpFile);
  if (topic <= 0)
    Help->ShowContents();
  else
    Help->ShowTopic(topic);
}

int RunStartup(QApplication& app, const StartupOptions& options, std::vector<std::string>* log) {
  QApplication::setOverrideCursor(Qt::WaitCursor);

  auto logo = std::make_unique<TLogo>();
  logo->Sleeper->SetInterval(options.logoInterval);
  logo->show();
  logo->repaint();
  Note(log, "Logo");
  logo->Sleeper->Wait();

  QCoreApplication::setApplicationName(QStringLiteral("Vorel"));
  // The help file's name is fixed; the windows find it in the program's directory.

  Windows windows(options, log);

  logo->hide();
  logo.reset();

  if (QFileInfo::exists(options.splashFile)) {
    auto splash = std::make_unique<TSplash>();
    // A file that is not a picture is skipped as silently as a missing one.
    if (splash->LoadPicture(options.splashFile)) {
      splash->Sleeper->SetInterval(options.splashInterval);
      splash->show();
      splash->repaint();
      Note(log, "Splash");
      splash->Sleeper->Wait();
      splash->hide();
    }
  }

  QApplication::restoreOverrideCursor();
  windows.MainForm->show();
  Note(log, "MainLoop");
  return app.exec();
}

}  // namespace vorel
