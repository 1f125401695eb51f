// vorel-report in-process: what it writes, and what it refuses to make up, when the register
// is unreadable, hostile or shared with another program at the same moment.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "base/Cp1252.h"
#include "cli/InProcessTool.h"
#include "cli/ReportCommands.h"
#include "register/RegisterFile.h"

namespace vorel {
namespace {

namespace fs = std::filesystem;

using test::Tool;
using test::ToolRun;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class ReportToolLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = (::access("/dev/shm", W_OK) == 0 ? fs::path("/dev/shm") : fs::temp_directory_path()) /
           ("vorel-tool-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string At(const char* name) const { return (dir_ / name).string(); }
  fs::path dir_;
};

// When the register cannot be opened at all, the export and the reports write nothing, and
// least of all the sample person the editor shows in an empty register.
TEST_F(ReportToolLibraryTest, NothingMadeUpFromARegisterThatCannotBeOpened) {
  fs::create_directory(At("folder"));
  ASSERT_EQ(::mkfifo(At("pipe").c_str(), 0666), 0);
  for (const char* name : {"missing", "folder", "pipe"}) {
    SCOPED_TRACE(name);
    std::ofstream(At("persons.csv")) << "before";
    ToolRun r = Tool({"--export", At("persons.csv"), "--register", At(name)});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "vorel-report : Impossible d'ouvrir le fichier " + At(name) + ".\n");
    EXPECT_EQ(Read(At("persons.csv")), "before");
    r = Tool({"--register", At(name), "--out", At("reports")});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(fs::exists(At("reports")));
  }
  // A register damaged part way: what was read is written, and the damage said.
  SaveRegisterFile(At("VOREL.DAT"), {{"DUPONT", "01/01/1901"}});
  std::ofstream(At("VOREL.DAT"), std::ios::app) << "tail";
  const ToolRun r = Tool({"--register", At("VOREL.DAT"), "--out", At("reports")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Lecture au-delà de la fin de fichier"), std::string::npos);
  EXPECT_TRUE(fs::exists(At("reports/DUPONT_01-01-1901.RTF")));
  // An empty register holds no one: no report of the sample person.
  std::ofstream(At("EMPTY.DAT")).close();
  EXPECT_EQ(Tool({"--register", At("EMPTY.DAT"), "--out", At("none")}).status, 0);
  EXPECT_EQ(Read(At("none/numbers.csv")).find("MARTIN"), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(At("none")), fs::directory_iterator()), 1);
}

// A hand-made register with names a spreadsheet would run as formulas, or with control
// characters: the export, the summary and the file names hold them as harmless text.
TEST_F(ReportToolLibraryTest, HostileNamesStayText) {
  const std::string longName = Utf8ToCp1252(std::string(119, 'A') + "É" + "BC");
  SaveRegisterFile(At("VOREL.DAT"), {{"=HYPERLINK(\"x\")", "01/01/1901"},
                                     {"+CMD|A", "02/01/1901"},
                                     {"@SUM", "03/01/1901"},
                                     {"-X\x01\x1B[31m", "04/01/1901"},
                                     {longName, "05/01/1901"}});
  ASSERT_EQ(Tool({"--export", At("persons.csv"), "--register", At("VOREL.DAT")}).status, 0);
  EXPECT_EQ(Read(At("persons.csv")),
            "\xEF\xBB\xBFnom;date de naissance\r\n\"'=HYPERLINK(\"\"x\"\")\";01/01/1901\r\n"
            "'+CMD|A;02/01/1901\r\n'@SUM;03/01/1901\r\n'-X[31m;04/01/1901\r\n" +
                std::string(119, 'A') + "ÉBC;05/01/1901\r\n");
  ASSERT_EQ(Tool({"--register", At("VOREL.DAT"), "--out", At("reports")}).status, 0);
  const std::string csv = Read(At("reports/numbers.csv"));
  for (const char* cell :
       {"\"'=HYPERLINK(\"\"x\"\")\",01/01/1901,", "\n'+CMD|A,", "\n'@SUM,", "\n'-X[31m,"})
    EXPECT_NE(csv.find(cell), std::string::npos) << cell;
  // The file names: no control character, and a long name cut between two characters.
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(At("reports"))) names.insert(e.path().filename());
  EXPECT_TRUE(names.count("X_31m_04-01-1901.RTF"));
  EXPECT_TRUE(names.count(std::string(119, 'A') + "_05-01-1901.RTF"));
}

TEST_F(ReportToolLibraryTest, VersionAndHelp) {
  const ToolRun version = Tool({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "vorel-report " VOREL_VERSION "\n");
  const ToolRun help = Tool({"--help"});
  EXPECT_EQ(help.status, 0);
  std::istringstream lines(help.out);
  for (std::string line; std::getline(lines, line);) {
    size_t columns = 0;
    for (const char c : line) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    EXPECT_LE(columns, 80u) << line;
  }
}

// Two programs importing into one register at the same time, 1,500 times each: every import
// that said it succeeded is in the file.
TEST_F(ReportToolLibraryTest, ConcurrentImportsLoseNobody) {
  constexpr int kImports = 1500;
  const std::string reg = At("VOREL.DAT");
  struct Shared {
    std::atomic<int> succeeded[2 * kImports];
  };
  void* memory =
      ::mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(memory, MAP_FAILED);
  auto* shared = new (memory) Shared{};
  // A person's name from a number, in letters only: the name rule keeps nothing else.
  const auto nameOf = [](int id) {
    std::string name = "P";
    for (int n = id; n > 0 || name.size() == 1; n /= 26) name += static_cast<char>('A' + n % 26);
    return name;
  };
  pid_t children[2];
  for (int w = 0; w < 2; ++w) {
    children[w] = ::fork();
    if (children[w] == 0) {
      const std::string csv = At(w == 0 ? "a.csv" : "b.csv");
      for (int i = 0; i < kImports; ++i) {
        const int id = w * kImports + i;
        std::ofstream(csv, std::ios::trunc) << nameOf(id) << ";01/01/2000\n";
        shared->succeeded[id] = Tool({"--import", csv, "--register", reg}).status == 0;
      }
      ::_exit(0);
    }
  }
  for (const pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  std::multiset<std::string> inFile;
  for (const Person& p : LoadRegisterFile(reg).value.persons) inFile.insert(p.name);
  int succeeded = 0, lost = 0;
  for (int id = 0; id < 2 * kImports; ++id) {
    if (!shared->succeeded[id]) continue;
    ++succeeded;
    lost += inFile.count(nameOf(id)) != 1;
  }
  std::printf("%d imports succeeded, %d lost; %zu persons in the file\n", succeeded, lost,
              inFile.size());
  EXPECT_EQ(succeeded, 2 * kImports);
  EXPECT_EQ(lost, 0);
  EXPECT_EQ(inFile.size(), static_cast<size_t>(succeeded));
  ::munmap(memory, sizeof(Shared));
}

// The thème and the two-person report from the command line: the year studied, checked; the
// same text the window shows; one THEME_ file per person of a register, and no summary.
TEST_F(ReportToolLibraryTest, ThemeAndCouple) {
  const struct {
    std::vector<std::string> arguments;
    int status;
    std::string said;  // in the output when it succeeds, in the errors otherwise
  } cases[] = {
      {{"--theme", "--year", "2027", "Sean Dumont", "15/03/1990"}, 0, "Thème de SEAN DUMONT"},
      {{"--theme", "--year", "2027", "Sean Dumont", "15/03/1990"},
       0,
       "2027\u00A0: année personnelle 11"},
      {{"--couple", "--year", "2026", "A", "01/01/2000", "B", "02/02/2002"}, 0, "A et B"},
      {{"--theme", "--year", "0", "A", "01/01/2000"}, 2, "'0' n'est pas une année correcte"},
      {{"--theme", "--year", "10000", "A", "01/01/2000"}, 2, "n'est pas une année correcte"},
      {{"--theme", "--year", "deux", "A", "01/01/2000"}, 2, "'deux' n'est pas une année correcte"},
      {{"--year", "2026", "A", "01/01/2000"}, 2, "--year va avec --theme ou --couple"},
      {{"--couple", "A", "01/01/2000", "B"}, 2, "il faut deux noms"},
      {{"--couple", "A", "01/01/2000", "B", "31/02/2000"}, 2, "'31/02/2000' n'est pas une date"},
      {{"--theme", "--couple", "A", "01/01/2000"}, 2, "--theme et --couple s'excluent"},
      {{"--theme", "--explain", "A", "01/01/2000"}, 2, "--explain ne se combine pas"},
  };
  for (const auto& c : cases) {
    const ToolRun r = Tool(c.arguments);
    EXPECT_EQ(r.status, c.status) << c.said;
    EXPECT_NE((c.status == 0 ? r.out : r.err).find(c.said), std::string::npos) << r.err;
    if (c.status == 2) {
      EXPECT_NE(r.err.find("Usage :"), std::string::npos);
    }
  }
  SaveRegisterFile(At("VOREL.DAT"), {{"DUPONT", "01/01/1901"}, {"DURAND", "31/02/1902"}});
  const ToolRun r =
      Tool({"--register", At("VOREL.DAT"), "--out", At("out"), "--theme", "--year", "2030"});
  EXPECT_EQ(r.status, 1);  // DURAND's date is passed over
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(At("out"))) names.insert(e.path().filename());
  EXPECT_EQ(names, std::set<std::string>{"THEME_DUPONT_01-01-1901.RTF"});
  EXPECT_NE(Read(At("out/THEME_DUPONT_01-01-1901.RTF")).find("2030"), std::string::npos);
}

TEST(ReportFileBase, ReadableAndCutBetweenCharacters) {
  const struct {
    Person person;
    std::string base;
  } cases[] = {
      {{"MARTIN PAUL", "14/03/1962"}, "MARTIN_PAUL_14-03-1962"},
      {{Utf8ToCp1252("ÉLISE, \"LA\" RENÉE"), "01/06/1980"}, "ÉLISE_LA_RENÉE_01-06-1980"},
      {{"", "05/05/1955"}, "SANS_NOM_05-05-1955"},
      {{"A\x7F\x01"
        "B",
        "01/01/2000"},
       "AB_01-01-2000"},
      // 119 bytes and a two-byte letter: the letter does not fit whole, so it goes.
      {{Utf8ToCp1252(std::string(119, 'Z') + "ÉÉ"), "01/01/2000"},
       std::string(119, 'Z') + "_01-01-2000"},
      {{Utf8ToCp1252(std::string(118, 'Z') + "ÉÉ"), "01/01/2000"},
       std::string(118, 'Z') + "É_01-01-2000"},
  };
  for (const auto& c : cases) EXPECT_EQ(ReportFileBase(c.person), c.base) << c.base;
}

}  // namespace
}  // namespace vorel
