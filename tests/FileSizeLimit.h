// A full disk made real: while a FileSizeLimit lives, this process may not write any file
// past the given size; the write that would pass it fails with EFBIG, as one on a full disk
// fails with ENOSPC. Nothing in the program knows.
#pragma once

#include <signal.h>
#include <sys/resource.h>

#include <cstddef>

namespace vorel::test {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::size_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    // Without this the system would end the process instead of failing the write.
    previous_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  sighandler_t previous_ = SIG_DFL;
};

}  // namespace vorel::test
