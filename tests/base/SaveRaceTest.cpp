// Two programs saving the same file at once, while a third reads it: no save fails for the
// other's sake, no reader sees a file half written, every save that says it succeeded put its
// own file in place, and no temporary file is left.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <string>

#include "base/FileIO.h"

namespace vorel {
namespace {

namespace fs = std::filesystem;

constexpr int kWriters = 2;
constexpr int kSaves = 10000;
constexpr size_t kSize = 16384;

// The contents of save i of writer w: a head and a tail naming it, so that a mix of two
// saves shows.
std::string Contents(int writer, int save) {
  const std::string mark = "writer " + std::to_string(writer) + " save " + std::to_string(save);
  std::string bytes = mark + "\n";
  bytes.resize(kSize - mark.size() - 1, '.');
  return bytes + "\n" + mark;
}

// Which save a file's bytes are, or -1 for no whole save.
int SaveOf(const std::string& bytes) {
  int writer = -1, save = -1;
  if (bytes.size() != kSize || std::sscanf(bytes.c_str(), "writer %d save %d", &writer, &save) != 2)
    return -1;
  if (writer < 0 || writer >= kWriters || save < 0 || save >= kSaves) return -1;
  return bytes == Contents(writer, save) ? writer * kSaves + save : -1;
}

std::string ReadRaw(const std::string& path) {
  std::string bytes;
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return bytes;
  char buffer[4096];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) bytes.append(buffer, n);
  ::close(fd);
  return bytes;
}

// What the processes tell each other, in memory they share.
struct Shared {
  std::atomic<int> writersDone;
  std::atomic<int> reads;
  std::atomic<int> partialReads;
  // Per save: 1 saved, 2 failed; and the save found in the file just after it said it saved.
  std::atomic<int> outcome[kWriters * kSaves];
  std::atomic<int> foundAfter[kWriters * kSaves];
};

TEST(SaveRace, TwoWritersAndAReaderOnOneFile) {
  const fs::path folder =
      (::access("/dev/shm", W_OK) == 0 ? fs::path("/dev/shm") : fs::temp_directory_path()) /
      ("vorel-race-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string path = (folder / "report.RTF").string();
  ReplaceFileContents(path, Contents(0, 0));

  void* memory =
      ::mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(memory, MAP_FAILED);
  auto* shared = new (memory) Shared{};

  pid_t children[kWriters + 1];
  for (int w = 0; w < kWriters; ++w) {
    children[w] = ::fork();
    if (children[w] == 0) {
      SaveOptions options;
      options.durable = false;  // the names, not the disk, are under test
      for (int i = 0; i < kSaves; ++i) {
        const int id = w * kSaves + i;
        try {
          ReplaceFileContents(path, Contents(w, i), options);
          shared->outcome[id] = 1;
          shared->foundAfter[id] = SaveOf(ReadRaw(path));
        } catch (const Error&) {
          shared->outcome[id] = 2;
        }
      }
      ++shared->writersDone;
      ::_exit(0);
    }
  }
  children[kWriters] = ::fork();
  if (children[kWriters] == 0) {
    while (shared->writersDone < kWriters) {
      ++shared->reads;
      if (SaveOf(ReadRaw(path)) < 0) ++shared->partialReads;
    }
    ::_exit(0);
  }
  for (const pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }

  int failed = 0, notInPlace = 0;
  for (int id = 0; id < kWriters * kSaves; ++id) {
    if (shared->outcome[id] != 1) {
      ++failed;
      continue;
    }
    // Just after a save, the file is that save, or one of the other writer's saves that
    // itself succeeded: never a save that failed, never no save at all.
    const int found = shared->foundAfter[id];
    if (found != id && (found < 0 || found / kSaves == id / kSaves || shared->outcome[found] != 1))
      ++notInPlace;
  }
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().filename() != "report.RTF") left.push_back(entry.path().filename().string());
  const int reads = shared->reads, partial = shared->partialReads;
  std::printf("%d saves, %d failed, %d not in place; %d reads, %d partial; %zu left\n",
              kWriters * kSaves, failed, notInPlace, reads, partial, left.size());
  EXPECT_EQ(failed, 0);
  EXPECT_EQ(notInPlace, 0);
  EXPECT_EQ(partial, 0);
  EXPECT_GT(reads, 0);
  EXPECT_EQ(left, std::vector<std::string>{});
  ::munmap(memory, sizeof(Shared));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace vorel
