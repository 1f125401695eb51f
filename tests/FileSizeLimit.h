// A full disk made real for the length of a scope: the soft limit on the size of the files
// this process writes is lowered, and SIGXFSZ ignored, so that a write past the limit fails
// with EFBIG instead of ending the process. Both come back as they were.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace vorel::test {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    if (getrlimit(RLIMIT_FSIZE, &saved_) != 0) return;
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    active_ = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
  }
  ~FileSizeLimit() {
    if (previous_ == SIG_ERR) return;
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  // False when the limit could not be set: the test would prove nothing.
  bool active() const { return active_; }

 private:
  rlimit saved_{};
  void (*previous_)(int) = SIG_ERR;
  bool active_ = false;
};

}  // namespace vorel::test
