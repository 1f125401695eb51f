// The owner of the windows.
#include "app/ProgramWindows.h"

#include "base/ProfileFile.h"
#include "gui/AboutBox.h"
#include "gui/Guard.h"
#include "gui/HelpWindow.h"
#include "gui/MainWindow.h"
#include "gui/PersonChooser.h"
#include "gui/PersonEntryDialog.h"
#include "gui/QtDesktop.h"
#include "gui/RegisterEditor.h"
#include "gui/ReportWindow.h"
#include "register/Register.h"
#include "report/Catalogue.h"
#include "system/ProgramPaths.h"

namespace vorel {
namespace {

std::string ProgramDirectory(const StartupOptions& options) {
  std::string dir = options.programDir.empty() ? ExecutableDirectory() : options.programDir;
  if (dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace

ProgramWindows::ProgramWindows(const StartupOptions& options, std::unique_ptr<Desktop> desktop)
    : registerPath_(RegisterFilePath(ProgramDirectory(options))),
      helpFile_(HelpFilePath(ProgramDirectory(options))),
      settingsPath_(ProfileFile::DefaultPath()),
      helpWindow_(std::make_unique<HelpWindow>(QString::fromStdString(helpFile_))),
      desktop_(desktop ? std::move(desktop) : std::make_unique<QtDesktop>(*helpWindow_)),
      register_(std::make_unique<Register>(registerPath_)) {
  // Each window gets those it works with when it is made, so they are made from the last
  // of the order to the first; their creation steps then run in the order of the program.
  Desktop& d = *desktop_;
  aboutBox_ = std::make_unique<AboutBox>(d);
  reportWindow_ = std::make_unique<ReportWindow>(d, settingsPath_);
  personChooser_ = std::make_unique<PersonChooser>(d);
  personEntry_ = std::make_unique<PersonEntryDialog>(d);
  registerEditor_ = std::make_unique<RegisterEditor>(d, *register_, *personEntry_);
  mainWindow_ = std::make_unique<MainWindow>(d, settingsPath_, *registerEditor_, *personChooser_,
                                             *reportWindow_, *aboutBox_);
  // A window on Wayland cannot place itself: each dialog belongs to the window it is opened
  // from, and the compositor centres it there. On X11 the dialogs centre themselves on the
  // screen all the same.
  const auto belongs = [](QDialog& dialog, QWidget& owner) {
    dialog.setParent(&owner, dialog.windowFlags());
  };
  belongs(*registerEditor_, *mainWindow_);
  belongs(*personEntry_, *registerEditor_);
  belongs(*personChooser_, *mainWindow_);
  belongs(*aboutBox_, *mainWindow_);

  RunGuarded(d, [this] { mainWindow_->restorePlacement(); });
  RunGuarded(d, [this] { registerEditor_->loadRegister(); });
  // The person entry and the chooser have no creation step.
  RunGuarded(d, [this] { reportWindow_->restorePlacement(); });
  for (CatalogueId id : kAllCatalogues) LoadCatalogue(id);
  // Nor has the about dialog.
}

ProgramWindows::~ProgramWindows() {
  // Each dialog goes before the window it belongs to, which would otherwise delete it.
  personEntry_.reset();
  registerEditor_.reset();
  personChooser_.reset();
  aboutBox_.reset();
}

}  // namespace vorel
