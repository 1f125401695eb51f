// The register: its file byte for byte, its load and save, the sample person, the sort and the
// deletion; and what happens when another program changed the file or holds it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>

#include "FileSizeLimit.h"
#include "base/FileLock.h"
#include "base/FileMessages.h"
#include "register/LoadMessage.h"
#include "register/Register.h"

namespace vorel {
namespace {

namespace fs = std::filesystem;
using test::LoadMessage;

class RegisterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vorel-register-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / kRegisterFileName).string();
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }
  void WriteBytes(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
  std::string ReadBytes() {
    std::ifstream in(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static std::string Record(std::string_view name, std::string_view date, char filler = '\0') {
    std::string r(kRecordSize, filler);
    r[0] = static_cast<char>(name.size());
    r.replace(1, name.size(), name);
    r[256] = static_cast<char>(date.size());
    r.replace(257, date.size(), date);
    return r;
  }
  std::vector<Person> OnDisk() { return LoadRegisterFile(path_).value.persons; }
  // Files in the folder other than the register and its lock file.
  std::vector<std::string> Others() {
    std::vector<std::string> others;
    for (const auto& e : fs::directory_iterator(dir_)) {
      const std::string name = e.path().filename().string();
      if (name != kRegisterFileName && name != ".VOREL.DAT.lock") others.push_back(name);
    }
    return others;
  }
  fs::path dir_;
  std::string path_;
};

TEST_F(RegisterTest, HandWrittenRecordsLoadIntoTheirCells) {
  // Filler of any value is ignored; lengths 0 give empty cells.
  WriteBytes(Record("DUPONT JEAN", "01/02/1950", '\xAA') + Record("", "", '\x55') +
             Record(std::string(255, 'Z'), "31/12/9999", '\xFF'));
  Register persons(path_);
  EXPECT_EQ(LoadMessage(persons), "");
  EXPECT_EQ(persons.persons(),
            (std::vector<Person>{
                {"DUPONT JEAN", "01/02/1950"}, {"", ""}, {std::string(255, 'Z'), "31/12/9999"}}));
  EXPECT_FALSE(persons.modified());
}

TEST_F(RegisterTest, SavedFileHasItsBytesAtTheirOffsets) {
  Register persons(path_);
  persons.Replace(0, {"ABEL", "05/03/1962"});
  persons.Append({std::string(300, 'X'), "01/01/2000 and more"});
  EXPECT_TRUE(persons.modified());
  EXPECT_EQ(persons.Save(SaveConflict::Ask), SaveOutcome::Saved);
  EXPECT_FALSE(persons.modified());
  const std::string bytes = ReadBytes();
  ASSERT_EQ(bytes.size(), 2u * kRecordSize);
  EXPECT_EQ(bytes.substr(0, kRecordSize), Record("ABEL", "05/03/1962"));
  // Fields are cut to 255 and 10 characters.
  EXPECT_EQ(bytes.substr(kRecordSize), Record(std::string(255, 'X'), "01/01/2000"));
  EXPECT_EQ(Others(), std::vector<std::string>{});
}

TEST_F(RegisterTest, EveryByteValueSurvivesSaveAndLoad) {
  std::vector<Person> list;
  std::mt19937 random(1962);
  for (int i = 0; i < 300; ++i) {
    std::string name(random() % 256, '\0');
    for (char& c : name) c = static_cast<char>(random() % 256);
    std::string date(random() % 11, '\0');
    for (char& c : date) c = static_cast<char>(random() % 256);
    list.push_back({name, date});
  }
  std::string all(256, '\0');
  for (int b = 0; b < 256; ++b) all[b] = static_cast<char>(b);
  list.push_back({all.substr(0, 255), all.substr(246, 10)});
  SaveRegisterFile(path_, list);
  EXPECT_EQ(OnDisk(), list);
}

TEST_F(RegisterTest, SamplePersonRule) {
  const struct {
    const char* what;
    std::string bytes;
    bool missing;
    std::vector<Person> expected;
  } cases[] = {
      {"no file", "", true, {{kSampleName, kSampleDate}}},
      {"empty file", "", false, {{kSampleName, kSampleDate}}},
      {"one record with an empty date", Record("DUPONT", ""), false, {{kSampleName, kSampleDate}}},
      {"one record with a date", Record("DUPONT", "x"), false, {{"DUPONT", "x"}}},
      {"two records, the first without date",
       Record("DUPONT", "") + Record("DURAND", "01/01/1901"),
       false,
       {{"DUPONT", ""}, {"DURAND", "01/01/1901"}}},
  };
  for (const auto& c : cases) {
    fs::remove(path_);
    if (!c.missing) WriteBytes(c.bytes);
    Register persons(path_);
    EXPECT_EQ(LoadMessage(persons), "") << c.what;
    EXPECT_EQ(persons.persons(), c.expected) << c.what;
    EXPECT_FALSE(persons.modified()) << c.what;
    // Loading never creates the file.
    EXPECT_EQ(fs::exists(path_), !c.missing) << c.what;
  }
}

TEST_F(RegisterTest, DamagedAndUnreadableFiles) {
  Register persons(path_);
  // A truncated tail: whole records kept, then the end-of-file error.
  WriteBytes(Record("A", "01/01/1901") + Record("B", "02/02/1902") + std::string(100, 'x'));
  EXPECT_EQ(LoadMessage(persons), "Lecture au-delà de la fin de fichier");
  EXPECT_EQ(persons.persons(), (std::vector<Person>{{"A", "01/01/1901"}, {"B", "02/02/1902"}}));
  // Shorter than one record: the sample person, and the error.
  WriteBytes("abc");
  EXPECT_EQ(LoadMessage(persons), "Lecture au-delà de la fin de fichier");
  EXPECT_EQ(persons.persons(), (std::vector<Person>{{kSampleName, kSampleDate}}));
  // A date length above 10 yields 10 characters and nothing of the next record.
  std::string bad = Record("C", "0123456789");
  bad[256] = '\xFF';
  WriteBytes(bad + Record("D", "04/04/1904"));
  EXPECT_EQ(LoadMessage(persons), "");
  EXPECT_EQ(persons.persons(), (std::vector<Person>{{"C", "0123456789"}, {"D", "04/04/1904"}}));
  // Read only: it still loads.
  fs::permissions(path_, fs::perms::owner_read, fs::perm_options::replace);
  EXPECT_EQ(LoadMessage(persons), "");
  // A folder in the register's place cannot be opened as a file.
  fs::remove(path_);
  fs::create_directory(path_);
  EXPECT_EQ(LoadMessage(persons), "Accès au fichier refusé");
  EXPECT_EQ(persons.persons(), (std::vector<Person>{{kSampleName, kSampleDate}}));

  EXPECT_EQ(SystemErrorText(ENOENT), "Fichier introuvable");
  EXPECT_EQ(SystemErrorText(EACCES), "Accès au fichier refusé");
  EXPECT_EQ(SystemErrorText(EMFILE), "Trop de fichiers ouverts");
  EXPECT_EQ(SystemErrorText(ENAMETOOLONG), "Nom de fichier incorrect");
  EXPECT_EQ(SystemErrorText(EIO), "Erreur E/S 5");
}

TEST_F(RegisterTest, FullDiskLeavesTheOldFileWhole) {
  WriteBytes(Record("OLD", "01/01/1901"));
  Register persons(path_);
  ASSERT_EQ(LoadMessage(persons), "");
  for (int i = 0; i < 5000; ++i) persons.Append({"P" + std::to_string(i), "02/02/1902"});
  try {
    // The disk fills in the middle of the second chunk of records.
    test::FileSizeLimit full(4096 * kRecordSize + 1000);
    persons.Save(SaveConflict::Ask);
    ADD_FAILURE() << "the save should have failed";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Impossible d'écrire dans " + path_);
  }
  EXPECT_TRUE(persons.modified());
  EXPECT_EQ(ReadBytes(), Record("OLD", "01/01/1901"));
  EXPECT_EQ(Others(), std::vector<std::string>{});
  EXPECT_EQ(persons.Save(SaveConflict::Ask), SaveOutcome::Saved);
  EXPECT_FALSE(persons.modified());
  EXPECT_EQ(ReadBytes().size(), 5001u * kRecordSize);
}

std::vector<std::string> Names(const std::vector<Person>& persons) {
  std::vector<std::string> names;
  for (const auto& p : persons) names.push_back(p.name);
  return names;
}

std::vector<Person> Persons(std::initializer_list<const char*> names) {
  std::vector<Person> persons;
  for (const char* name : names) persons.push_back({name, "01/01/1901"});
  return persons;
}

TEST(RegisterSort, ByteWiseOrderAndTheProcedure) {
  const struct {
    std::vector<std::string> in, out;
  } cases[] = {
      {{"MARTINEZ", "MARTIN PAUL", "ABEL"}, {"ABEL", "MARTIN PAUL", "MARTINEZ"}},
      {{"A", "B", "C", "D"}, {"A", "B", "C", "D"}},
      {{"E", "D", "C", "B", "A"}, {"A", "B", "C", "D", "E"}},
      {{"B", "", "A"}, {"", "A", "B"}},
      {{"\xC9LISE", "ZOE", "abel"}, {"ZOE", "abel", "\xC9LISE"}},
      {{"AB", "A"}, {"A", "AB"}},
  };
  for (const auto& c : cases) {
    std::vector<Person> persons;
    for (const auto& name : c.in) persons.push_back({name, "01/01/1901"});
    SortPersons(persons);
    EXPECT_EQ(Names(persons), c.out);
  }
}

TEST(RegisterSort, EqualNamesEndInTheProcedureOrder) {
  // Dates tell the persons apart. With five rows the gaps are 2 then 1: the gap-2 pass
  // exchanges rows 1 and 3 (B > A) and moves the first A past the second.
  std::vector<Person> persons = {{"B", "1"}, {"A", "2"}, {"A", "3"}, {"C", "4"}, {"A", "5"}};
  SortPersons(persons);
  std::vector<std::string> dates;
  for (const auto& p : persons) dates.push_back(p.date);
  // gap 2: (1,3) B>A swap -> A3 A2 B1 C4 A5; (2,4) no; (3,5) B>A swap -> A3 A2 A5 C4 B1;
  // repeat: no swap. gap 1: C>B swap -> A3 A2 A5 B1 C4; repeat: none.
  EXPECT_EQ(dates, (std::vector<std::string>{"3", "2", "5", "1", "4"}));
}

TEST(RegisterDelete, RowsMoveUpAndTheLastPersonBecomesTheSample) {
  Register persons("");
  persons.Replace(0, {"A", "1"});
  for (const char* name : {"B", "C", "D", "E"}) persons.Append({name, "2"});
  persons.DeleteRows(3, 3);
  EXPECT_EQ(Names(persons.persons()), (std::vector<std::string>{"A", "B", "D", "E"}));
  persons.DeleteRows(4, 4);
  EXPECT_EQ(Names(persons.persons()), (std::vector<std::string>{"A", "B", "D"}));
  persons.DeleteRows(1, 3);
  EXPECT_EQ(persons.persons(), (std::vector<Person>{{kSampleName, kSampleDate}}));
  EXPECT_TRUE(persons.modified());
}

// Another program changed the file between the load and the save: the save asks, then merges
// this register's changes into the file as it now is, or overwrites it.
TEST_F(RegisterTest, ChangedOnDiskMergesOrOverwrites) {
  using Edit = std::function<void(Register&)>;
  const struct {
    const char* what;
    std::vector<Person> loaded;
    Edit here;
    std::vector<Person> elsewhere;  // the file as the other program left it
    std::vector<Person> merged;
  } cases[] = {
      {"both added: the other's stay, ours join at the end", Persons({"A", "B"}),
       [](Register& r) {
         r.Append({"MINE", "01/01/1901"});
       },
       Persons({"A", "B", "THEIRS"}), Persons({"A", "B", "THEIRS", "MINE"})},
      {"deleted here: gone where still there", Persons({"A", "B", "C"}),
       [](Register& r) { r.DeleteRows(2, 2); }, Persons({"C", "A", "B", "D"}),
       Persons({"C", "A", "D"})},
      {"deleted here and there: nothing else goes", Persons({"A", "B", "C"}),
       [](Register& r) { r.DeleteRows(2, 2); }, Persons({"A", "C"}), Persons({"A", "C"})},
      {"modified: one deletion and one addition", Persons({"A", "B"}),
       [](Register& r) {
         r.Replace(0, {"Z", "01/01/1901"});
       },
       Persons({"A", "B", "THEIRS"}), Persons({"B", "THEIRS", "Z"})},
      {"sorted here: the file's order stays", Persons({"C", "B", "A"}),
       [](Register& r) { r.Sort(); }, Persons({"C", "B", "A", "THEIRS"}),
       Persons({"C", "B", "A", "THEIRS"})},
      {"the same name and date twice are two persons", Persons({"A", "A"}),
       [](Register& r) { r.DeleteRows(1, 1); }, Persons({"A", "A", "A"}), Persons({"A", "A"})},
      {"the other emptied the file",
       Persons({"A"}),
       [](Register& r) {
         r.Append({"MINE", "01/01/1901"});
       },
       {},
       Persons({"MINE"})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SaveRegisterFile(path_, c.loaded);
    Register persons(path_);
    ASSERT_EQ(LoadMessage(persons), "");
    c.here(persons);
    SaveRegisterFile(path_, c.elsewhere);
    EXPECT_EQ(persons.Save(SaveConflict::Ask), SaveOutcome::ChangedElsewhere);
    EXPECT_EQ(OnDisk(), c.elsewhere);  // asking writes nothing
    EXPECT_TRUE(persons.modified());
    EXPECT_EQ(persons.Save(SaveConflict::Merge), SaveOutcome::Saved);
    EXPECT_EQ(OnDisk(), c.merged);
    EXPECT_EQ(persons.persons(), c.merged);
    // Saved: the next change is measured against the file as saved.
    persons.Append({"NEXT", "01/01/1901"});
    EXPECT_EQ(persons.Save(SaveConflict::Ask), SaveOutcome::Saved);
  }
  // Overwrite: the other program's file goes.
  SaveRegisterFile(path_, Persons({"A"}));
  Register persons(path_);
  ASSERT_EQ(LoadMessage(persons), "");
  persons.Append({"MINE", "01/01/1901"});
  SaveRegisterFile(path_, Persons({"THEIRS"}));
  EXPECT_EQ(persons.Save(SaveConflict::Overwrite), SaveOutcome::Saved);
  EXPECT_EQ(OnDisk(), Persons({"A", "MINE"}));
  // A file that appeared since a load that found none is a change too.
  fs::remove(path_);
  Register fresh(path_);
  ASSERT_EQ(LoadMessage(fresh), "");
  SaveRegisterFile(path_, Persons({"THEIRS"}));
  fresh.Replace(0, {"MINE", "01/01/1901"});
  EXPECT_EQ(fresh.Save(SaveConflict::Ask), SaveOutcome::ChangedElsewhere);
}

// Another program holds the register: a save waits, then says so and writes nothing.
TEST_F(RegisterTest, ASaveWaitsForTheProgramThatHoldsTheRegister) {
  SaveRegisterFile(path_, Persons({"A"}));
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t holder = ::fork();
  if (holder == 0) {
    auto lock = FileLock::Acquire(path_, sys::LockKind::Shared, std::chrono::seconds(1), false);
    const char ok = lock ? 'y' : 'n';
    if (::write(ready[1], &ok, 1) != 1) ::_exit(1);
    ::pause();
    ::_exit(0);
  }
  char ok = 0;
  ASSERT_EQ(::read(ready[0], &ok, 1), 1);
  ASSERT_EQ(ok, 'y');
  Register persons(path_);
  ASSERT_EQ(LoadMessage(persons), "");
  persons.Append({"B", "01/01/1901"});
  const auto started = std::chrono::steady_clock::now();
  try {
    persons.Save(SaveConflict::Ask);
    ADD_FAILURE() << "the save should have waited and failed";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Le fichier des personnes est utilisé par un autre programme.");
  }
  EXPECT_GE(std::chrono::steady_clock::now() - started, kRegisterLockWait);
  EXPECT_EQ(OnDisk(), Persons({"A"}));
  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  ::close(ready[0]);
  ::close(ready[1]);
  // Once it let go, the save goes through.
  EXPECT_EQ(persons.Save(SaveConflict::Ask), SaveOutcome::Saved);
}

}  // namespace
}  // namespace vorel
