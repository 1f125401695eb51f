// vorel-report --import and --export: the register to and from spreadsheet files, through
// the command as a user gives it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "base/Cp1252.h"
#include "cli/InProcessTool.h"
#include "register/RegisterFile.h"

namespace vorel {
namespace {

namespace fs = std::filesystem;
using test::Tool;
using test::ToolRun;

std::string RegisterBytes(const std::vector<Person>& persons) {
  return WriteRegister(persons);
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool WriteAll(const fs::path& path, const std::string& bytes) {
  return static_cast<bool>(std::ofstream(path, std::ios::binary) << bytes);
}

bool Exists(const fs::path& path) {
  return fs::exists(path);
}

// A folder of its own for each case, gone with it.
struct Folder {
  Folder()
      : path(fs::temp_directory_path() /
             ("vorel-csv-" + std::to_string(::getpid()) + "-" + std::to_string(++count))) {
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~Folder() { fs::remove_all(path); }
  std::string filePath(const char* name) const { return (path / name).string(); }
  fs::path path;
  static inline int count = 0;
};

// Good files add their persons, in file order, after those already there; a missing or
// empty register holds only the imported persons. A bad file, a bad register or a missing
// file changes nothing and names what is wrong.
TEST(PersonsTransfer, ImportIsAllOrNothing) {
  const std::vector<Person> two = {{"DURAND MARC", "01/02/1970"},
                                   {Utf8ToCp1252("ÉVA"), "03/04/1980"}};
  const std::string damaged = RegisterBytes(two) + std::string(100, 'x');
  const std::string missing;  // no file at all
  const struct {
    const char* what;
    std::string registerBytes;
    bool registerExists;
    std::string csv;
    int status;
    const char* message;
    std::vector<Person> result;  // empty: the register is as it was
  } cases[] = {
      {"semicolons, header, into no register",
       missing,
       false,
       "nom;date de naissance\r\nRousseau Élodie;14/03/1962\r\nDUPONT JEAN;1990-12-31\r\n",
       0,
       "2 personnes ajoutées",
       {{"ROUSSEAU ELODIE", "14/03/1962"}, {"DUPONT JEAN", "31/12/1990"}}},
      {"into an empty register",
       "",
       true,
       "\xEF\xBB\xBFZo\xC3\xA9;1/2/2003\n",
       0,
       "1 personnes ajoutées",
       {{"ZOE", "01/02/2003"}}},
      {"Windows-1252, commas, quotes, after the persons there",
       RegisterBytes(two),
       true,
       "\"L\xE9on, dit \"\"Lulu\"\"\",29/02/2000\r\n",
       0,
       "1 personnes ajoutées",
       {two[0], two[1], {"LEON DIT LULU", "29/02/2000"}}},
      {"a date that does not exist",
       RegisterBytes(two),
       true,
       "nom;date\nA;01/01/2000\nB;31/02/1990\n",
       1,
       "x.csv : Ligne 3 : la date « 31/02/1990 » n'existe pas.\n",
       {}},
      {"a missing date",
       missing,
       false,
       "A;01/01/2000\nB\n",
       1,
       "Ligne 2 : la date de naissance manque.",
       {}},
      {"a name too long",
       RegisterBytes(two),
       true,
       "A;01/01/2000\n" + std::string(256, 'N') + ";01/01/2000\n",
       1,
       "Ligne 2 : le nom a plus de 255 caractères.",
       {}},
      {"a damaged register",
       damaged,
       true,
       "A;01/01/2000\n",
       1,
       "Lecture au-delà de la fin de fichier",
       {}},
      {"no person in the file",
       RegisterBytes(two),
       true,
       "nom;date de naissance\r\n",
       0,
       "Aucune personne",
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Folder dir;
    const std::string dat = dir.filePath("VOREL.DAT");
    const std::string csv = dir.filePath("x.csv");
    if (c.registerExists) {
      ASSERT_TRUE(WriteAll(dat, c.registerBytes));
    }
    ASSERT_TRUE(WriteAll(csv, c.csv));
    const ToolRun r = Tool({"--import", csv, "--register", dat});
    EXPECT_EQ(r.status, c.status);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    if (c.result.empty()) {
      EXPECT_EQ(Exists(dat), c.registerExists);
      EXPECT_EQ(ReadAll(dat), c.registerBytes);
    } else {
      EXPECT_EQ(ReadAll(dat), RegisterBytes(c.result));
    }
  }

  // A CSV file that is not there.
  Folder dir;
  const ToolRun r =
      Tool({"--import", dir.filePath("nothing.csv"), "--register", dir.filePath("V.DAT")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Impossible d'ouvrir le fichier"), std::string::npos);
  EXPECT_FALSE(Exists(dir.filePath("V.DAT")));
}

// What the person entry writes comes back byte for byte: export, then import into no
// register, gives the same VOREL.DAT.
TEST(PersonsTransfer, ExportThenImportGivesTheSameRegister) {
  Folder dir;
  const std::vector<Person> persons = {{"MARTIN PAUL HENRI", "14/03/1962"},
                                       {"DUPONT JEAN", "29/02/2000"},
                                       {"A", "01/01/0100"},
                                       {"MARTIN PAUL HENRI", "14/03/1962"},
                                       {std::string(255, 'Z'), "31/12/9999"}};
  const std::string original = RegisterBytes(persons);
  ASSERT_TRUE(WriteAll(dir.filePath("VOREL.DAT"), original));
  const std::string csv = dir.filePath("personnes.csv");
  const ToolRun out = Tool({"--export", csv, "--register", dir.filePath("VOREL.DAT")});
  EXPECT_EQ(out.status, 0);
  const std::string text = ReadAll(csv);
  EXPECT_TRUE(
      text.starts_with("\xEF\xBB\xBFnom;date de naissance\r\nMARTIN PAUL HENRI;14/03/1962\r\n"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 6);

  const ToolRun in = Tool({"--import", csv, "--register", dir.filePath("NEW.DAT")});
  EXPECT_EQ(in.status, 0);
  EXPECT_EQ(ReadAll(dir.filePath("NEW.DAT")), original);
}

}  // namespace
}  // namespace vorel
