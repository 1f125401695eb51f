// The register file byte for byte, its load and save, the sample person, the sort and the
// deletion, and date text.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "base/Error.h"
#include "base/FileIO.h"
#include "numerology/DateText.h"
#include "register/LoadMessage.h"
#include "register/RegisterFile.h"

namespace vorel {
namespace {

namespace fs = std::filesystem;
using test::LoadMessage;

class RegisterFileTest : public ::testing::Test {
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
  fs::path dir_;
  std::string path_;
};

TEST_F(RegisterFileTest, HandWrittenRecordsLoadIntoTheirCells) {
  // Filler of any value is ignored; lengths 0 give empty cells.
  WriteBytes(Record("DUPONT JEAN", "01/02/1950", '\xAA') + Record("", "", '\x55') +
             Record(std::string(255, 'Z'), "31/12/9999", '\xFF'));
  RegisterList list;
  EXPECT_EQ(LoadMessage(path_, list), "");
  ASSERT_EQ(list.PersonCount(), 3);
  EXPECT_EQ(list.persons[0], (Person{"DUPONT JEAN", "01/02/1950"}));
  EXPECT_EQ(list.persons[1], (Person{"", ""}));
  EXPECT_EQ(list.persons[2], (Person{std::string(255, 'Z'), "31/12/9999"}));
  EXPECT_FALSE(list.modified);
}

TEST_F(RegisterFileTest, SavedFileHasItsBytesAtTheirOffsets) {
  RegisterList list;
  list.persons = {{"ABEL", "05/03/1962"}, {std::string(300, 'X'), "01/01/2000 and more"}};
  list.modified = true;
  SaveRegister(path_, list);
  EXPECT_FALSE(list.modified);
  const std::string bytes = ReadBytes();
  ASSERT_EQ(bytes.size(), 2u * kRecordSize);
  EXPECT_EQ(bytes.substr(0, kRecordSize), Record("ABEL", "05/03/1962"));
  // Fields are cut to 255 and 10 characters.
  EXPECT_EQ(bytes.substr(kRecordSize), Record(std::string(255, 'X'), "01/01/2000"));
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(RegisterFileTest, EveryByteValueSurvivesSaveAndLoad) {
  RegisterList list;
  std::mt19937 random(1962);
  for (int i = 0; i < 300; ++i) {
    std::string name(random() % 256, '\0');
    for (char& c : name) c = static_cast<char>(random() % 256);
    std::string date(random() % 11, '\0');
    for (char& c : date) c = static_cast<char>(random() % 256);
    list.persons.push_back({name, date});
  }
  std::string all(256, '\0');
  for (int b = 0; b < 256; ++b) all[b] = static_cast<char>(b);
  list.persons.push_back({all.substr(0, 255), all.substr(246, 10)});
  SaveRegister(path_, list);
  RegisterList loaded;
  EXPECT_EQ(LoadMessage(path_, loaded), "");
  EXPECT_EQ(loaded.persons, list.persons);
}

TEST_F(RegisterFileTest, SamplePersonRule) {
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
    RegisterList list;
    EXPECT_EQ(LoadMessage(path_, list), "") << c.what;
    EXPECT_EQ(list.persons, c.expected) << c.what;
    EXPECT_FALSE(list.modified) << c.what;
    // Loading never creates the file.
    EXPECT_EQ(fs::exists(path_), !c.missing) << c.what;
  }
}

TEST_F(RegisterFileTest, DamagedFiles) {
  // A truncated tail: whole records kept, then the end-of-file error.
  WriteBytes(Record("A", "01/01/1901") + Record("B", "02/02/1902") + std::string(100, 'x'));
  RegisterList list;
  EXPECT_EQ(LoadMessage(path_, list), "Lecture au-delà de la fin de fichier");
  EXPECT_EQ(list.persons, (std::vector<Person>{{"A", "01/01/1901"}, {"B", "02/02/1902"}}));

  // Shorter than one record: the sample person, and the error.
  WriteBytes("abc");
  EXPECT_EQ(LoadMessage(path_, list), "Lecture au-delà de la fin de fichier");
  EXPECT_EQ(list.persons, (std::vector<Person>{{kSampleName, kSampleDate}}));

  // A date length above 10 yields 10 characters and nothing of the next record.
  std::string bad = Record("C", "0123456789");
  bad[256] = '\xFF';
  WriteBytes(bad + Record("D", "04/04/1904"));
  EXPECT_EQ(LoadMessage(path_, list), "");
  EXPECT_EQ(list.persons, (std::vector<Person>{{"C", "0123456789"}, {"D", "04/04/1904"}}));
}

TEST_F(RegisterFileTest, OpenErrorsHaveTheirFrenchTexts) {
  // A directory in the register's place cannot be opened as a file.
  fs::create_directory(path_);
  RegisterList list;
  EXPECT_EQ(LoadMessage(path_, list), "Accès au fichier refusé");
  EXPECT_EQ(list.persons, (std::vector<Person>{{kSampleName, kSampleDate}}));
  EXPECT_EQ(IoErrorText(ENOENT), "Fichier introuvable");
  EXPECT_EQ(IoErrorText(EACCES), "Accès au fichier refusé");
  EXPECT_EQ(IoErrorText(EMFILE), "Trop de fichiers ouverts");
  EXPECT_EQ(IoErrorText(ENAMETOOLONG), "Nom de fichier incorrect");
}

TEST_F(RegisterFileTest, ReadOnlyRegisterLoads) {
  WriteBytes(Record("A", "01/01/1901"));
  fs::permissions(path_, fs::perms::owner_read, fs::perm_options::replace);
  RegisterList list;
  EXPECT_EQ(LoadMessage(path_, list), "");
  EXPECT_EQ(list.persons, (std::vector<Person>{{"A", "01/01/1901"}}));
}

TEST_F(RegisterFileTest, FailedSaveLeavesTheOldFileWhole) {
  WriteBytes(Record("OLD", "01/01/1901"));
  RegisterList list;
  for (int i = 0; i < 5000; ++i) list.persons.push_back({"P" + std::to_string(i), "02/02/1902"});
  list.modified = true;
  // The disk fills in the middle of the second chunk of records.
  SaveOptions diskFull;
  diskFull.failAfterBytes = 4096 * kRecordSize + 1000;
  try {
    SaveRegister(path_, list, diskFull);
    FAIL() << "the save should have failed";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Impossible d'écrire dans " + path_);
  }
  EXPECT_TRUE(list.modified);
  EXPECT_EQ(ReadBytes(), Record("OLD", "01/01/1901"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
  SaveRegister(path_, list);
  EXPECT_FALSE(list.modified);
  EXPECT_EQ(ReadBytes().size(), 5000u * kRecordSize);
}

std::vector<std::string> Names(const RegisterList& list) {
  std::vector<std::string> names;
  for (const auto& p : list.persons) names.push_back(p.name);
  return names;
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
    RegisterList list;
    for (const auto& name : c.in) list.persons.push_back({name, "01/01/1901"});
    SortRegister(list);
    EXPECT_EQ(Names(list), c.out);
    EXPECT_TRUE(list.modified);
  }
}

TEST(RegisterSort, EqualNamesEndInTheProcedureOrder) {
  // Dates tell the persons apart. With five rows the gaps are 2 then 1: the gap-2 pass
  // exchanges rows 1 and 3 (B > A) and moves the first A past the second.
  RegisterList list;
  list.persons = {{"B", "1"}, {"A", "2"}, {"A", "3"}, {"C", "4"}, {"A", "5"}};
  SortRegister(list);
  std::vector<std::string> dates;
  for (const auto& p : list.persons) dates.push_back(p.date);
  // gap 2: (1,3) B>A swap -> A3 A2 B1 C4 A5; (2,4) no; (3,5) B>A swap -> A3 A2 A5 C4 B1;
  // repeat: no swap. gap 1: C>B swap -> A3 A2 A5 B1 C4; repeat: none.
  EXPECT_EQ(dates, (std::vector<std::string>{"3", "2", "5", "1", "4"}));
}

TEST(RegisterDelete, RowsMoveUpAndTheLastPersonBecomesTheSample) {
  RegisterList list;
  list.persons = {{"A", "1"}, {"B", "2"}, {"C", "3"}, {"D", "4"}, {"E", "5"}};
  DeleteRows(list, 3, 3);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "B", "D", "E"}));
  DeleteRows(list, 4, 4);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "B", "D"}));
  list.persons = {{"ONLY", "01/01/1901"}};
  list.modified = false;
  DeleteRows(list, 1, 1);
  EXPECT_EQ(list.persons, (std::vector<Person>{{kSampleName, kSampleDate}}));
  EXPECT_TRUE(list.modified);
}

TEST(DateText, BothWays) {
  EXPECT_EQ(DateToText({14, 3, 1962}), "14/03/1962");
  EXPECT_EQ(DateToText({5, 8, 62}), "05/08/0062");
  const struct {
    const char* text;
    bool valid;
    Date date;
  } cases[] = {
      {"14/03/1962", true, {14, 3, 1962}},
      {"1/3/62", true, {1, 3, 62}},
      {" 29/02/2000 ", true, {29, 2, 2000}},
      {"29/02/1900", false, {}},
      {"31/04/1962", false, {}},
      {"00/01/1962", false, {}},
      {"01/13/1962", false, {}},
      {"01/01/0000", false, {}},
      {"01/01/10000", false, {}},
      {"14/03", false, {}},
      {"14-03-1962", false, {}},
      {"", false, {}},
      {"1a/03/1962", false, {}},
      {"14/03/1962x", false, {}},
      {"99999999999/1/1", false, {}},
      {"31/12/9999", true, {31, 12, 9999}},
  };
  for (const auto& c : cases) {
    Date date;
    EXPECT_EQ(TryTextToDate(c.text, date), c.valid) << c.text;
    if (c.valid) {
      EXPECT_EQ(date, c.date) << c.text;
    }
  }
  try {
    TextToDate("31/04/1962");
    FAIL();
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "'31/04/1962' n'est pas une date correcte");
  }
}

}  // namespace
}  // namespace vorel
