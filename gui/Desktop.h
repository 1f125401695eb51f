// The desktop services the windows use, behind one seam: message boxes, file and print
// dialogs, help, opening a web address, the primary screen's size. The program runs on the
// real desktop; a test puts a subclass in place (DesktopOverride) and answers instead.
#pragma once

#include <QSize>
#include <QString>
#include <memory>
#include <optional>

#include "gui/Dialogs.h"

class QApplication;
class QPrinter;
class QWidget;

namespace vorel {

class HelpWindow;

class Desktop {
 public:
  Desktop();
  virtual ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  virtual Answer ShowBox(const BoxRequest& request);
  virtual std::optional<QString> AskFileName(QWidget* parent, const FileRequest& request);
  // Returns the number of copies, or nothing when cancelled.
  virtual std::optional<int> AskPrint(QWidget* parent, QPrinter& printer, int helpContext);
  // The help window at a topic; 0 for the contents.
  virtual void ShowHelp(int topic);
  // Hands the address to the user's default program; the result is not looked at.
  virtual void OpenUrl(const QString& address);
  virtual QSize PrimaryScreenSize() const;

  // The help document the help window shows; set by the start-up.
  void SetHelpFile(const QString& path) { helpFile_ = path; }
  // The help window once help was asked for, else null. CloseHelp destroys it.
  HelpWindow* helpWindow() const { return help_.get(); }
  void CloseHelp();

 private:
  QString helpFile_;
  std::unique_ptr<HelpWindow> help_;
};

// The desktop in place: the real one unless a DesktopOverride lives.
Desktop& CurrentDesktop();

// Puts desktop in place for the override's lifetime.
class DesktopOverride {
 public:
  explicit DesktopOverride(Desktop& desktop);
  ~DesktopOverride();
  DesktopOverride(const DesktopOverride&) = delete;
  DesktopOverride& operator=(const DesktopOverride&) = delete;

 private:
  Desktop* previous_;
};

// Font substitutions for the names the windows use, Qt's own dialogs in French, the
// program's icon.
void InstallDesktopDefaults(QApplication& app);

// The pictures, cursor and icon compiled into the program: they live in a static library, so
// each program registers them once before any window is made.
void InitResources();

}  // namespace vorel
