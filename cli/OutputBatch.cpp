// Report files made in parallel.
#include "cli/OutputBatch.h"

#include <algorithm>
#include <atomic>

#include "base/Error.h"
#include "base/FileIO.h"
#include "document/Rtf.h"
#include "render/PdfReport.h"

namespace vorel {

OutputBatch::OutputBatch(bool pdf) : pdf_(pdf) {
  pool_.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

void OutputBatch::Add(RichDocument document, std::string caption, std::string path) {
  files_.push_back(File{std::move(document), std::move(caption), std::move(path), {}});
}

void OutputBatch::Make(File& file) const {
  try {
    const std::string bytes =
        pdf_ ? ReportPdf(file.document, file.caption) : WriteRtf(file.document);
    // Batch output can simply be made again: no flush to the disk for each file.
    SaveOptions options;
    options.durable = false;
    ReplaceFileContents(file.path, bytes, options);
  } catch (const Error& e) {
    file.failure = e.what();
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

  std::optional<std::string> failure;
  for (const File& file : files_) {
    if (file.failure) {
      failure = file.failure;
      break;
    }
  }
  files_.clear();
  return failure;
}

}  // namespace vorel
