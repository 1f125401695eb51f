// The user's files through the careful save and the regular-file read: one table of what
// the user set up (protection, owners, links, folders, full disk, pipes, devices), run as an
// unprivileged user when the tests run as root; and saves killed at random moments.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <thread>

#include "FileSizeLimit.h"
#include "base/FileIO.h"
#include "register/LoadMessage.h"
#include "register/Register.h"

namespace vorel {
namespace {

namespace fs = std::filesystem;
using test::LoadMessage;

// When root runs the tests, the saves run as this user, for whom permissions mean something.
constexpr uid_t kNobody = 65534;
const bool kRoot = ::geteuid() == 0;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  std::string bytes(in ? static_cast<size_t>(in.tellg()) : 0, '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<Person> Persons(const std::string& prefix, int count) {
  std::vector<Person> persons;
  for (int i = 0; i < count; ++i)
    persons.push_back({prefix + " " + std::to_string(i), "02/02/1902"});
  return persons;
}

// Files beside path's own, hidden ones included, other than the given names.
std::vector<std::string> Others(const fs::path& dir, std::initializer_list<std::string> names) {
  std::vector<std::string> others;
  for (const auto& entry : fs::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    if (std::find(names.begin(), names.end(), name) == names.end()) others.push_back(name);
  }
  return others;
}

class Folder {
 public:
  explicit Folder(const std::string& tag, const fs::path& base = fs::temp_directory_path()) {
    path_ = base / ("vorel-" + tag + "-" + std::to_string(::getpid()));
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~Folder() {
    for (const auto& entry : fs::recursive_directory_iterator(path_))
      if (entry.is_directory() && !entry.is_symlink())
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(path_);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// What the user does, in a process of its own (the unprivileged user's when root runs the
// tests): saves the register as a report would be saved, then as the register, then loads
// it. An alarm turns a hang into a failure.
struct Outcome {
  int reportStatus = -1;
  std::string registerMessage;  // empty when saved
  std::string loadMessage;      // empty when loaded
  int readStatus = -1;
};

// 0 when the file operation went through, else 1 + the kind of its FileError.
int FileOutcome(const std::function<void()>& operation) {
  try {
    operation();
    return 0;
  } catch (const FileError& e) {
    return 1 + static_cast<int>(e.kind());
  }
}

Outcome ActAsUser(const std::string& target, const std::vector<Person>& newList,
                  std::optional<size_t> diskSpace, bool asUser) {
  int channel[2];
  EXPECT_EQ(::pipe(channel), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(channel[0]);
    ::alarm(10);
    if (kRoot && asUser &&
        (::setgroups(0, nullptr) != 0 || ::setresgid(kNobody, kNobody, kNobody) != 0 ||
         ::setresuid(kNobody, kNobody, kNobody) != 0))
      ::_exit(3);
    // The journals of writes in place go to a state folder of the acting user's own.
    const std::string state = "/tmp/vorel-state-" + std::to_string(::getpid());
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);
    std::optional<test::FileSizeLimit> full;
    if (diskSpace) full.emplace(*diskSpace);
    std::string out =
        std::to_string(FileOutcome([&] { ReplaceFileContents(target, WriteRegister(newList)); })) +
        '\n';
    try {
      SaveRegisterFile(target, newList);
    } catch (const std::exception& e) {
      out += e.what();
    }
    out += '\n';
    full.reset();
    Register loaded(target);
    out += LoadMessage(loaded) + '\n';
    out += std::to_string(FileOutcome([&] { ReadFile(target, 1 << 30).Get(); })) + '\n';
    std::filesystem::remove_all(state);
    const bool written = ::write(channel[1], out.data(), out.size()) == ssize_t(out.size());
    ::_exit(written ? 0 : 4);
  }
  ::close(channel[1]);
  std::string got;
  char buffer[4096];
  for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;) got.append(buffer, n);
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the user's process: " << status;
  Outcome outcome;
  std::istringstream lines(got);
  std::string line;
  if (std::getline(lines, line)) outcome.reportStatus = std::stoi(line);
  std::getline(lines, outcome.registerMessage);
  std::getline(lines, outcome.loadMessage);
  if (std::getline(lines, line)) outcome.readStatus = std::stoi(line);
  return outcome;
}

struct Scene {
  fs::path dir;
  std::string target;  // the path the user saves to
  std::string file;    // the file that must hold the result
  uid_t user = kRoot ? kNobody : ::geteuid();
  gid_t group = kRoot ? kNobody : ::getegid();
  // Gives path to the acting user (a no-op when the tests do not run as root).
  void Own(const fs::path& path) const {
    if (kRoot) {
      EXPECT_EQ(::lchown(path.c_str(), user, group), 0);
    }
  }
};

enum class Kept { Old, New };
enum class Inode { Same, New, Unchecked };

TEST(UserFiles, EachSetUpGetsWhatACarefulEditorDoes) {
  const std::string oldBytes = WriteRegister(Persons("OLD", 3));
  const std::vector<Person> newList = Persons("NEW", 5000);
  const std::string newBytes = WriteRegister(newList);
  const std::string cannotWrite = "Impossible d'écrire dans ";
  const std::string refused = "Accès au fichier refusé";
  const int ok = 0;
  const int cannotCreate = 1 + static_cast<int>(FileError::Kind::CannotCreate);
  const int writeFailed = 1 + static_cast<int>(FileError::Kind::WriteFailed);
  const int readOk = 0;
  const int cannotOpen = 1 + static_cast<int>(FileError::Kind::CannotOpen);

  struct Case {
    const char* what;
    std::function<void(Scene&)> setUp;
    std::optional<size_t> diskSpace;  // the file size the disk can hold, when it fills
    bool needsRoot;                   // sets up a file of another user
    int reportStatus;
    bool registerSaved;
    std::string loadMessage;
    int readStatus;
    Kept kept;
    Inode inode;
  };
  const auto regular = [&](Scene& s, mode_t mode) {
    s.file = s.target = (s.dir / "VOREL.DAT").string();
    WriteBytes(s.file, oldBytes);
    s.Own(s.file);
    ::chmod(s.file.c_str(), mode);
  };
  const size_t diskFull = 4096 * kRecordSize + 1000;  // in the second chunk of records

  const Case cases[] = {
      {"read-only file: refused, untouched",
       [&](Scene& s) { regular(s, 0444); },
       {},
       false,
       cannotCreate,
       false,
       "",
       readOk,
       Kept::Old,
       Inode::Same},
      {"another user's file the user may write: written in place, the owner stays",
       [&](Scene& s) {
         s.file = s.target = (s.dir / "VOREL.DAT").string();
         WriteBytes(s.file, oldBytes);
         ::chmod(s.file.c_str(), 0666);  // root's file, writable by all
       },
       {},
       true,
       ok,
       true,
       "",
       readOk,
       Kept::New,
       Inode::Same},
      {"symbolic link: the file it points to is saved, the link stays",
       [&](Scene& s) {
         s.file = (s.dir / "real.DAT").string();
         s.target = (s.dir / "link.DAT").string();
         WriteBytes(s.file, oldBytes);
         s.Own(s.file);
         fs::create_symlink("real.DAT", s.target);
         s.Own(s.target);
       },
       {},
       false,
       ok,
       true,
       "",
       readOk,
       Kept::New,
       Inode::Unchecked},
      {"hard link: written in place, both names see it",
       [&](Scene& s) {
         regular(s, 0644);
         fs::create_hard_link(s.file, s.dir / "other.DAT");
       },
       {},
       false,
       ok,
       true,
       "",
       readOk,
       Kept::New,
       Inode::Same},
      {"folder the user may not write: written in place",
       [&](Scene& s) {
         regular(s, 0644);
         ::chmod(s.dir.c_str(), 0555);
       },
       {},
       false,
       ok,
       true,
       "",
       readOk,
       Kept::New,
       Inode::Same},
      {"missing folder: a report is refused, the register makes its folder",
       [&](Scene& s) { s.file = s.target = (s.dir / "missing" / "VOREL.DAT").string(); },
       {},
       false,
       cannotCreate,
       true,
       "",
       readOk,
       Kept::New,
       Inode::Unchecked},
      {"disk full part way: the old file stays whole", [&](Scene& s) { regular(s, 0644); },
       diskFull, false, writeFailed, false, "", readOk, Kept::Old, Inode::Same},
      {"disk full part way in place (hard link): the old file stays whole",
       [&](Scene& s) {
         regular(s, 0644);
         fs::create_hard_link(s.file, s.dir / "other.DAT");
       },
       diskFull, false, writeFailed, false, "", readOk, Kept::Old, Inode::Same},
      {"named pipe: refused at once",
       [&](Scene& s) {
         s.file = s.target = (s.dir / "VOREL.DAT").string();
         ASSERT_EQ(::mkfifo(s.file.c_str(), 0666), 0);
         s.Own(s.file);
       },
       {},
       false,
       cannotCreate,
       false,
       refused,
       cannotOpen,
       Kept::Old,
       Inode::Same},
      {"device: refused at once",
       [&](Scene& s) { s.file = s.target = "/dev/null"; },
       {},
       false,
       cannotCreate,
       false,
       refused,
       cannotOpen,
       Kept::Old,
       Inode::Same},
      {"folder: refused",
       [&](Scene& s) {
         s.file = s.target = (s.dir / "VOREL.DAT").string();
         fs::create_directory(s.file);
         s.Own(s.file);
       },
       {},
       false,
       cannotCreate,
       false,
       refused,
       cannotOpen,
       Kept::Old,
       Inode::Same},
  };

  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.needsRoot && !kRoot) {
      std::printf("skipped without root: %s\n", c.what);
      continue;
    }
    Folder folder("user-files");
    Scene scene;
    scene.dir = folder.path() / "work";
    fs::create_directory(scene.dir);
    ::chmod(folder.path().c_str(), 0755);
    scene.Own(scene.dir);
    c.setUp(scene);
    struct stat before {};
    const bool existed = ::stat(scene.file.c_str(), &before) == 0;
    const bool wasLink = fs::is_symlink(scene.target);
    const bool regularBefore = S_ISREG(before.st_mode);

    const Outcome outcome = ActAsUser(scene.target, newList, c.diskSpace, true);

    EXPECT_EQ(outcome.reportStatus, c.reportStatus);
    EXPECT_EQ(outcome.registerMessage, c.registerSaved ? "" : cannotWrite + scene.target);
    EXPECT_EQ(outcome.loadMessage, c.loadMessage);
    EXPECT_EQ(outcome.readStatus, c.readStatus);
    struct stat after {};
    ASSERT_EQ(::stat(scene.file.c_str(), &after), 0);
    if (regularBefore || c.kept == Kept::New) {
      EXPECT_EQ(ReadBytes(scene.file), c.kept == Kept::New ? newBytes : oldBytes);
    }
    if (existed) {
      EXPECT_EQ(after.st_mode, before.st_mode);
    }
    if (c.inode == Inode::Same) {
      EXPECT_EQ(after.st_ino, before.st_ino);
      EXPECT_EQ(after.st_uid, before.st_uid);
      EXPECT_EQ(after.st_gid, before.st_gid);
      EXPECT_EQ(after.st_nlink, before.st_nlink);
    }
    EXPECT_EQ(fs::is_symlink(scene.target), wasLink);
    if (scene.file.rfind("/dev/", 0) != 0) {
      const fs::path fileDir = fs::path(scene.file).parent_path();
      EXPECT_EQ(Others(fileDir, {"VOREL.DAT", "real.DAT", "link.DAT", "other.DAT"}),
                std::vector<std::string>{})
          << "a temporary file was left";
      EXPECT_EQ(Others(scene.dir, {"VOREL.DAT", "real.DAT", "link.DAT", "other.DAT", "missing"}),
                std::vector<std::string>{});
    }
  }
}

// Saving a file that keeps its owner and group through the rename: the new file is the
// user's own, so only mode matters; the temporary file never shows.
TEST(UserFiles, ReplacementKeepsModeOwnerAndGroup) {
  Folder folder("keep");
  const std::string path = (folder.path() / "report.RTF").string();
  WriteBytes(path, "{\\rtf1 old}");
  ::chmod(path.c_str(), 0640);
  if (kRoot) {
    ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
  }
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  ASSERT_NO_THROW(ReplaceFileContents(path, "{\\rtf1 new}"));
  struct stat after {};
  ASSERT_EQ(::stat(path.c_str(), &after), 0);
  EXPECT_NE(after.st_ino, before.st_ino);  // replaced, not written over
  EXPECT_EQ(after.st_mode, before.st_mode);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_gid, before.st_gid);
  EXPECT_EQ(ReadBytes(path), "{\\rtf1 new}");
  EXPECT_EQ(Others(folder.path(), {"report.RTF"}), std::vector<std::string>{});
}

// A file written with no write permission bit is refused whoever saves it, root included
// (the tests run as root in continuous integration).
TEST(UserFiles, WriteProtectionHoldsForEveryone) {
  Folder folder("protected");
  const std::string path = (folder.path() / "VOREL.DAT").string();
  WriteBytes(path, "old");
  ::chmod(path.c_str(), 0444);
  EXPECT_EQ(FileOutcome([&] { ReplaceFileContents(path, "new"); }),
            1 + static_cast<int>(FileError::Kind::CannotCreate));
  EXPECT_THROW(SaveRegisterFile(path, Persons("NEW", 1)), Error);
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_EQ(Others(folder.path(), {"VOREL.DAT"}), std::vector<std::string>{});
}

// Kills a process that saves, again and again, one contents then the other over the same
// file, at random moments. The next read finds the file one of them whole: a save that
// replaces the file leaves it whole at every moment, and one that writes over the file itself
// (here a file with two links) is rolled back by the read from its journal. Temporary files
// left by killed saves stay hidden, and go once they are a minute old.
struct KillCase {
  const char* what;
  std::string first, second;
  std::function<void(const std::string& path, bool second)> save;
  bool inPlace = false;
  int kills = 50;
};

// The files of writes in place not finished, with the given extensions: journals, and the
// copies a journal is made of; a copy without its journal is of no use, and the next write
// over that file replaces it.
int Files(const fs::path& folder, std::initializer_list<std::string> extensions) {
  if (!fs::exists(folder)) return 0;
  return static_cast<int>(
      std::count_if(fs::directory_iterator(folder), fs::directory_iterator(), [&](const auto& e) {
        return std::find(extensions.begin(), extensions.end(), e.path().extension().string()) !=
               extensions.end();
      }));
}

void AgeAndSweep(const fs::path& folder, const std::string& path) {
  for (const auto& entry : fs::directory_iterator(folder)) {
    const timespec old[2] = {{::time(nullptr) - 120, 0}, {::time(nullptr) - 120, 0}};
    ::utimensat(AT_FDCWD, entry.path().c_str(), old, AT_SYMLINK_NOFOLLOW);
  }
  SweepLeftovers(path);
}

void KillWhileSaving(const KillCase& c) {
  SCOPED_TRACE(c.what);
  // In memory where the system offers it: the kill, not the disk, is under test.
  Folder folder("kill",
                ::access("/dev/shm", W_OK) == 0 ? fs::path("/dev/shm") : fs::temp_directory_path());
  const fs::path files = folder.path() / "files";
  const fs::path journals = folder.path() / "state" / "vorel" / "journal";
  fs::create_directories(files);
  ::setenv("XDG_STATE_HOME", (folder.path() / "state").c_str(), 1);
  const std::string path = (files / "VOREL.DAT").string();
  c.save(path, false);
  ASSERT_EQ(ReadBytes(path), c.first);
  if (c.inPlace) fs::create_hard_link(path, files / "other.DAT");

  const auto started = std::chrono::steady_clock::now();
  c.save(path, true);
  const auto saveTime = std::chrono::steady_clock::now() - started;
  // A little more than one save: the kills fall in every part of it, and between saves.
  const auto span = std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count() * 3 / 2;

  std::mt19937 random(12345);
  int killedMidway = 0;
  for (int kill = 0; kill < c.kills; ++kill) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(ready[0]);
      const bool told = ::write(ready[1], "r", 1) == 1;
      ::close(ready[1]);
      for (int i = 0; told; ++i) c.save(path, i % 2 == 0);
      ::_exit(1);
    }
    ::close(ready[1]);
    char byte;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    std::this_thread::sleep_for(std::chrono::microseconds(
        std::uniform_int_distribution<long>(0, std::max<long>(span, 1))(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

    const auto left = Others(files, {"VOREL.DAT", "other.DAT"});
    for (const auto& name : left) EXPECT_EQ(name[0], '.') << "a temporary file shows: " << name;
    killedMidway +=
        c.inPlace ? Files(journals, {".journal", ".rollback", ".journal-new"}) > 0 : !left.empty();

    const Result<FileContents, FileError> now = ReadFile(path, 1 << 30);
    ASSERT_TRUE(now.ok()) << now.error->what();
    ASSERT_TRUE(now.value.bytes == c.first || now.value.bytes == c.second)
        << "kill " << kill << ": a file of " << now.value.bytes.size() << " bytes";
    if (c.inPlace) {
      EXPECT_EQ(ReadBytes((files / "other.DAT").string()), now.value.bytes) << "kill " << kill;
    }
  }
  std::printf("%s: %d of %d kills fell in the middle of a save\n", c.what, killedMidway, c.kills);
  // Otherwise the kills all fell between saves and proved nothing.
  EXPECT_GT(killedMidway, c.kills / 5);
  AgeAndSweep(files, path);
  EXPECT_EQ(Others(files, {"VOREL.DAT", "other.DAT"}), std::vector<std::string>{});
  EXPECT_EQ(Files(journals, {".journal"}), 0) << "a journal is left after the last read";
  ::unsetenv("XDG_STATE_HOME");
}

TEST(UserFiles, KilledSavesLeaveTheOldFileOrTheNewOneWhole) {
  const std::vector<Person> first = Persons("FIRST", 100'000);
  const std::vector<Person> second = Persons("SECOND", 100'000);
  KillWhileSaving({"register of 100,000 persons", WriteRegister(first), WriteRegister(second),
                   [&](const std::string& path, bool useSecond) {
                     SaveRegisterFile(path, useSecond ? second : first);
                   }});

  std::string report1 = "{\\rtf1\\ansi ", report2 = report1;
  while (report1.size() < 1'000'000) {
    report1 += "Premier bilan, un paragraphe de plus.\\par\n";
    report2 += "Second bilan, un autre paragraphe.\\par\n";
  }
  report1 += "}";
  report2 += "}";
  const auto saveReport = [&](const std::string& path, bool useSecond) {
    ASSERT_NO_THROW(ReplaceFileContents(path, useSecond ? report2 : report1));
  };
  KillWhileSaving({"report of 1 MB", report1, report2, saveReport});
  KillWhileSaving({"report of 1 MB written in place", report1, report2, saveReport, true, 300});
}

}  // namespace
}  // namespace vorel
