// Report files made in parallel.
#include "OutputBatch.h"

#include <algorithm>
#include <atomic>

#include "ToolMessages.h"
#include "base/Error.h"
#include "document/Rtf.h"
#include "render/PdfReport.h"

namespace vorel {

OutputBatch::OutputBatch(bool pdf) : pdf_(pdf) {
  pool_.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

void OutputBatch::Add(RichDocument document, std::string caption, std::string path) {
  files_.push_back(File{std::move(document), std::move(caption), std::move(path)});
}

void OutputBatch::Make(File& file) const {
  try {
    const std::string bytes =
        pdf_ ? ReportPdf(file.document, file.caption) : WriteRtf(file.document);
    // Batch output can simply be made again: no flush to the disk for each file.
    file.written = SaveOutput(file.path, bytes, false);
  } catch (const Error&) {
    file.written = false;
  }
}

std::optional<std::string> OutputBatch::Write() {
  std::atomic<size_t> next = 0;
  const auto work = [&] {
    for (size_t i = next++; i < files_.size(); i = next++) Make(files_[i]);
  };
  const int workers = std::min(pool_.maxThreadCount(), static_cast<int>(files_.size()));
  for (int w = 0; w < workers; ++w) pool_.start(work);
  pool_.waitForDone();

  std::optional<std::string> failed;
  for (const File& file : files_) {
    if (!file.written) {
      failed = file.path;
      break;
    }
  }
  files_.clear();
  return failed;
}

}  // namespace vorel
