// The owner of the windows.
#include "app/ProgramWindows.h"

#include "gui/AboutBox.h"
#include "gui/Desktop.h"
#include "gui/Guard.h"
#include "gui/MainWindow.h"
#include "gui/PersonChooser.h"
#include "gui/PersonEntryDialog.h"
#include "gui/RegisterEditor.h"
#include "gui/ReportWindow.h"
#include "register/RegisterFile.h"
#include "report/Catalogue.h"
#include "system/ProgramPaths.h"

namespace vorel {
namespace {

void Note(std::vector<std::string>* log, const char* what) {
  if (log) log->emplace_back(what);
}

std::string ProgramDirectory(const StartupOptions& options) {
  std::string dir = options.programDir.empty() ? ExecutableDirectory() : options.programDir;
  if (dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace

ProgramWindows::ProgramWindows(const StartupOptions& options, std::vector<std::string>* log)
    : registerPath_(RegisterFilePath(ProgramDirectory(options))),
      helpFile_(HelpFilePath(ProgramDirectory(options))) {
  CurrentDesktop().SetHelpFile(QString::fromStdString(helpFile_));

  // Each window gets those it works with when it is made, so they are made from the last
  // of the order to the first; their creation steps then run in the order of the program.
  aboutBox_ = std::make_unique<AboutBox>();
  reportWindow_ = std::make_unique<ReportWindow>();
  personChooser_ = std::make_unique<PersonChooser>();
  personEntry_ = std::make_unique<PersonEntryDialog>();
  registerEditor_ = std::make_unique<RegisterEditor>(registerPath_, *personEntry_);
  mainWindow_ =
      std::make_unique<MainWindow>(*registerEditor_, *personChooser_, *reportWindow_, *aboutBox_);

  RunGuarded([this] { mainWindow_->restorePlacement(); });
  Note(log, "MainWindow");
  RunGuarded([this] { registerEditor_->loadRegister(); });
  Note(log, "RegisterEditor");
  Note(log, "PersonEntryDialog");
  Note(log, "PersonChooser");
  RunGuarded([this] { reportWindow_->restorePlacement(); });
  Note(log, "ReportWindow");
  for (CatalogueId id : kAllCatalogues) {
    LoadCatalogue(id);
    Note(log, CatalogueName(id));
  }
  Note(log, "AboutBox");
}

ProgramWindows::~ProgramWindows() {
  // The help window lives with the program's other windows.
  CurrentDesktop().CloseHelp();
}

}  // namespace vorel
