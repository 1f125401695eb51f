// Report files waiting to be made and written: vorel-report makes them on all the machine's
// cores, since a PDF takes far longer to make than its report takes to compose.
#pragma once

#include <QThreadPool>
#include <optional>
#include <string>
#include <vector>

#include "document/RichDocument.h"

namespace vorel {

class OutputBatch {
 public:
  // pdf: each report as PDF (which needs StartHeadlessGui first), else as RTF.
  explicit OutputBatch(bool pdf);

  void Add(RichDocument document, std::string caption, std::string path);
  size_t size() const { return files_.size(); }

  // Makes and writes every file waiting, then empties the batch. Returns the message of the
  // first file, in the order they were added, that could not be made or written; nothing
  // when all were.
  std::optional<std::string> Write();

 private:
  struct File {
    RichDocument document;
    std::string caption, path;
    std::optional<std::string> failure;
  };

  void Make(File& file) const;

  bool pdf_;
  std::vector<File> files_;
  // Its threads keep their font caches from one batch to the next.
  QThreadPool pool_;
};

}  // namespace vorel
