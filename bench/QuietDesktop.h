// The desktop of the window benchmarks: it shows nothing and asks no one. The file dialog
// answers with the file given, as a user would pick it; a question gets "Non".
#pragma once

#include <optional>

#include "gui/Desktop.h"

namespace vorel::bench {

class QuietDesktop : public Desktop {
 public:
  explicit QuietDesktop(std::optional<QString> file = std::nullopt) : file_(std::move(file)) {}
  Answer showBox(const BoxRequest&) override { return Answer::No; }
  std::optional<QString> askFileName(QWidget*, const FileRequest&) override { return file_; }
  std::optional<int> askPrint(QWidget*, QPrinter&, HelpTopic) override { return std::nullopt; }
  void showHelp(HelpTopic) override {}
  void openUrl(const QString&) override {}
  QSize primaryScreenSize() const override { return {1024, 768}; }

 private:
  std::optional<QString> file_;
};

}  // namespace vorel::bench
