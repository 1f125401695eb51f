// The lock of a file between programs: readers share it, a writer has it alone, and a folder
// the user may not write moves the lock file to the user's runtime folder, where two programs
// still meet.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "base/FileLock.h"

namespace vorel {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using sys::LockKind;

// In a child process of root: from now on, the unprivileged user, for whom permissions mean
// something.
void BecomeUnprivileged() {
  if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setresgid(65534, 65534, 65534) != 0 ||
                           ::setresuid(65534, 65534, 65534) != 0))
    ::_exit(99);
}

// Runs what in a child process (as an unprivileged user when root runs the tests, since
// permissions mean nothing to root) and returns its exit status.
int InChild(const std::function<int()>& what, bool unprivileged) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (unprivileged) BecomeUnprivileged();
    ::_exit(what());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// In a child: takes the lock, reports 'y' or 'n' through the pipe, then holds it until killed.
pid_t Holder(const std::string& path, LockKind kind, int channel[2], bool unprivileged) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (unprivileged) BecomeUnprivileged();
    const auto lock = FileLock::Acquire(path, kind, milliseconds(100), false);
    const char taken = lock ? 'y' : 'n';
    if (::write(channel[1], &taken, 1) != 1) ::_exit(1);
    ::pause();
    ::_exit(0);
  }
  char taken = 0;
  EXPECT_EQ(::read(channel[0], &taken, 1), 1);
  EXPECT_EQ(taken, 'y');
  return child;
}

class FileLockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vorel-lock-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "data");
    fs::create_directories(dir_ / "runtime");
    ASSERT_EQ(::pipe(channel_), 0);
  }
  void TearDown() override {
    ::close(channel_[0]);
    ::close(channel_[1]);
    fs::permissions(dir_ / "data", fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }
  fs::path dir_;
  int channel_[2];
};

TEST_F(FileLockTest, ReadersShareAndAWriterWaits) {
  const std::string path = (dir_ / "data" / "VOREL.DAT").string();
  const pid_t reader = Holder(path, LockKind::Shared, channel_, false);
  EXPECT_EQ(
      InChild(
          [&] { return FileLock::Acquire(path, LockKind::Shared, milliseconds(0), false) ? 0 : 1; },
          false),
      0);
  EXPECT_EQ(InChild(
                [&] {
                  return FileLock::Acquire(path, LockKind::Exclusive, milliseconds(200), false) ? 0
                                                                                                : 1;
                },
                false),
            1);
  ::kill(reader, SIGKILL);
  ::waitpid(reader, nullptr, 0);
  EXPECT_TRUE(FileLock::Acquire(path, LockKind::Exclusive, milliseconds(0), false));
  // The lock file is beside the file, hidden; the file itself is never touched.
  EXPECT_TRUE(fs::exists(dir_ / "data" / ".VOREL.DAT.lock"));
  EXPECT_FALSE(fs::exists(path));
}

TEST_F(FileLockTest, AFolderThatMayNotBeWrittenLocksInTheRuntimeFolder) {
  const std::string path = (dir_ / "data" / "VOREL.DAT").string();
  std::ofstream(path) << "x";
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown((dir_ / "runtime").c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(dir_.c_str(), 0755), 0);
  }
  fs::permissions(dir_ / "data", fs::perms::owner_read | fs::perms::owner_exec |
                                     fs::perms::group_read | fs::perms::group_exec |
                                     fs::perms::others_read | fs::perms::others_exec);
  ::setenv("XDG_RUNTIME_DIR", (dir_ / "runtime").c_str(), 1);
  const pid_t writer = Holder(path, LockKind::Exclusive, channel_, true);
  EXPECT_EQ(InChild(
                [&] {
                  return FileLock::Acquire(path, LockKind::Shared, milliseconds(200), false) ? 0
                                                                                             : 1;
                },
                true),
            1);
  ::kill(writer, SIGKILL);
  ::waitpid(writer, nullptr, 0);
  EXPECT_EQ(
      InChild(
          [&] { return FileLock::Acquire(path, LockKind::Shared, milliseconds(0), false) ? 0 : 1; },
          true),
      0);
  EXPECT_FALSE(fs::exists(dir_ / "data" / ".VOREL.DAT.lock"));
  EXPECT_FALSE(fs::is_empty(dir_ / "runtime" / "vorel"));
  ::unsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
}  // namespace vorel
