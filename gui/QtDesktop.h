// The desktop as the program uses it: Qt's message boxes and dialogs, the program's help
// window, the user's browser, the primary screen.
#pragma once

#include "gui/Desktop.h"

namespace vorel {

class HelpWindow;

class QtDesktop : public Desktop {
 public:
  // help: the window that shows the help document; it outlives the desktop.
  explicit QtDesktop(HelpWindow& help);

  Answer showBox(const BoxRequest& request) override;
  std::optional<QString> askFileName(QWidget* parent, const FileRequest& request) override;
  std::optional<int> askPrint(QWidget* parent, QPrinter& printer, HelpTopic topic) override;
  void showHelp(HelpTopic topic) override;
  void openUrl(const QString& address) override;
  QSize primaryScreenSize() const override;

 private:
  HelpWindow& help_;
};

}  // namespace vorel
