// The name rule, the persons CSV read and written, and the register that comes back from it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "base/Error.h"
#include "register/PersonName.h"
#include "register/PersonsCsv.h"
#include "register/RegisterFile.h"

namespace vorel {
namespace {

namespace fs = std::filesystem;

using Persons = std::vector<Person>;

TEST(PersonNameTest, NamesAsTheEntryWouldKeepThem) {
  const struct {
    std::string written;
    std::string expected;
  } cases[] = {
      {"Hélène", "HELENE"},
      {"Dupont-Durand jean2", "DUPONTDURAND JEAN"},
      {"  Élodie \t  Rousseau\r\n", "ELODIE ROUSSEAU"},
      {"Marie\u00A0Claire\u202FAnne", "MARIE CLAIRE ANNE"},
      {"Œdipe Ægir Straße Þór ĳssel", "OEDIPE AEGIR STRASSE THOR IJSSEL"},
      {"àâä ÿŸ ñ ç ø Łukasz Dvořák ſ ĸ ƒ", "AAA YY N C O LUKASZ DVORAK S Q F"},
      {"He\u0301le\u0300ne", "HELENE"},  // marks as combining characters
      {"H\xE9l\xE8ne \x8C"
       "uvre",
       "HELENE OEUVRE"},  // Windows-1252
      {"Jean × 2 ÷ Σοφία 李", "JEAN"},
      {" 12 - ' ", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalisePersonName(c.written), c.expected) << c.written;
}

TEST(PersonsCsvTest, GoodFiles) {
  const struct {
    const char* what;
    std::string bytes;
    Persons expected;
  } cases[] = {
      {"semicolons, LF, no header, both date forms",
       "Dupont Jean;01/02/1990\nmartin;1/2/1990\nDurand;1990-02-01\nLeroy;1990-2-1\n",
       {{"DUPONT JEAN", "01/02/1990"},
        {"MARTIN", "01/02/1990"},
        {"DURAND", "01/02/1990"},
        {"LEROY", "01/02/1990"}}},
      {"commas, CR LF, header",
       "Nom,Date\r\nDupont,29/02/2000\r\nMartin,0001-01-01",
       {{"DUPONT", "29/02/2000"}, {"MARTIN", "01/01/0001"}}},
      {"CR only, header",
       "nom;date de naissance\rA;31/12/9999\rB;01/01/2000\r",
       {{"A", "31/12/9999"}, {"B", "01/01/2000"}}},
      {"UTF-8 with a byte order mark",
       "\xEF\xBB\xBFnom;date de naissance\r\nÉlodie Rousseau;14/07/1985\r\n",
       {{"ELODIE ROUSSEAU", "14/07/1985"}}},
      {"Windows-1252",
       "H\xE9l\xE8ne;01/01/1950\n\x8C"
       "dipe;02/01/1950\n",
       {{"HELENE", "01/01/1950"}, {"OEDIPE", "02/01/1950"}}},
      {"quoted fields",
       "\"Dupont; Jean\";\"01/02/1990\"\n\"Le \"\"Grand\"\" Paul\";02/03/1991\n"
       "\"Marie\r\nClaire\";01/01/2001\n\"Ann\"e;01/01/2002\n",
       {{"DUPONT JEAN", "01/02/1990"},
        {"LE GRAND PAUL", "02/03/1991"},
        {"MARIE CLAIRE", "01/01/2001"},
        {"ANNE", "01/01/2002"}}},
      {"a comma separator found past a quoted semicolon",
       "\"Dupont; Jean\",01/02/1990\n",
       {{"DUPONT JEAN", "01/02/1990"}}},
      {"empty rows, blanks and trailing empty fields",
       "\n\n;;\nA ; 01/01/2000 ;;\n\"\";\n \t\nB;02/02/2002;\n",
       {{"A", "01/01/2000"}, {"B", "02/02/2002"}}},
      {"only a header", "Nom;Date\r\n", {}},
      {"nothing", "", {}},
  };
  for (const auto& c : cases) {
    try {
      EXPECT_EQ(ParsePersonsCsv(c.bytes), c.expected) << c.what;
    } catch (const Error& e) {
      ADD_FAILURE() << c.what << ": " << e.what();
    }
  }
}

TEST(PersonsCsvTest, BadFilesNameTheLineAndTheReason) {
  const struct {
    std::string bytes;
    std::string message;
  } cases[] = {
      {"A;01/01/2000\nB;31/02/1990\n", "Ligne 2 : la date « 31/02/1990 » n'existe pas."},
      {"A;01/01/2000\r\nB;0000-01-01", "Ligne 2 : la date « 0000-01-01 » n'existe pas."},
      {"nom;date\n\nA;01/01/2000\nB\n", "Ligne 4 : la date de naissance manque."},
      {"A;01/01/2000\nB;;\n", "Ligne 2 : la date de naissance manque."},
      {"A;01/01/2000\n ;02/02/2002", "Ligne 2 : le nom manque."},
      {"\"A\nB\";01/01/2000\rC;32/01/2000", "Ligne 3 : la date « 32/01/2000 » n'existe pas."},
      {"A;1er mai 1990",
       "Ligne 1 : la date « 1er mai 1990 » n'est pas de la forme jj/mm/aaaa ni aaaa-mm-jj."},
      {"A;90-01-02",
       "Ligne 1 : la date « 90-01-02 » n'est pas de la forme jj/mm/aaaa ni aaaa-mm-jj."},
      {"A;01/02/90", "Ligne 1 : l'année de la date « 01/02/90 » doit avoir quatre chiffres."},
      {"A;" + std::string(40, '1'), "Ligne 1 : la date « " + std::string(30, '1') +
                                        "… » n'est pas de la forme jj/mm/aaaa ni aaaa-mm-jj."},
      {"123 -;01/01/2000", "Ligne 1 : le nom « 123 - » ne contient aucune lettre."},
      {std::string(255, 'A') + "ß;01/01/2000", "Ligne 1 : le nom a plus de 255 caractères."},
      {"A;01/01/2000\nDupont;Jean;01/01/1990",
       "Ligne 2 : le champ « 01/01/1990 » est en trop ; seuls le nom et la date de naissance "
       "sont attendus."},
      {"A;01/01/2000\n\"B;01/01/2000\n", "Ligne 2 : un guillemet ouvert n'est jamais refermé."},
      {std::string("A;01/01/2000\0", 13),
       "Le fichier n'est pas un texte lisible : enregistrez la feuille au format CSV, en UTF-8."},
      {std::string(kMaxPersonsCsvBytes + 1, '\n'), "Le fichier est trop grand : plus de 64 Mio."},
  };
  for (const auto& c : cases) {
    const std::string shown = c.bytes.substr(0, 60);
    try {
      ParsePersonsCsv(c.bytes);
      ADD_FAILURE() << "accepted: " << shown;
    } catch (const Error& e) {
      EXPECT_EQ(e.what(), c.message) << shown;
    }
  }
}

TEST(PersonsCsvTest, WrittenBytes) {
  const struct {
    Persons persons;
    std::string bytes;
  } cases[] = {
      {{}, "\xEF\xBB\xBFnom;date de naissance\r\n"},
      {{{"DUPONT JEAN", "01/02/1990"}, {"H\xC9L\xC8NE", "02/03/1991"}, {"A;B\"C", "x\ny"}},
       "\xEF\xBB\xBFnom;date de naissance\r\nDUPONT JEAN;01/02/1990\r\nHÉLÈNE;02/03/1991\r\n"
       "\"A;B\"\"C\";\"x\ny\"\r\n"},
      // What a spreadsheet would run as a formula is written as text; control characters,
      // which no name typed in the program holds, are left out.
      {{{"=HYPERLINK(\"http://x\";\"y\")", "01/01/2000"},
        {"+CMD|' /C calc'!A0", "01/01/2000"},
        {"@SUM(1+1)", "-1"},
        {"\tTAB", "01/01/2000"},
        {"\x01\x7F\x81NOM\x1B", "01/01/2000"}},
       "\xEF\xBB\xBFnom;date de naissance\r\n"
       "\"'=HYPERLINK(\"\"http://x\"\";\"\"y\"\")\";01/01/2000\r\n"
       "'+CMD|' /C calc'!A0;01/01/2000\r\n'@SUM(1+1);'-1\r\nTAB;01/01/2000\r\nNOM;01/01/2000\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(WritePersonsCsv(c.persons), c.bytes);
}

TEST(PersonsCsvTest, ExportThenImportGivesTheSameRegisterFile) {
  const fs::path dir =
      fs::temp_directory_path() / ("vorel-persons-csv-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const auto bytesOf = [](const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  const Persons original{{"DUPONT JEAN PIERRE", "01/02/1990"},
                         {std::string(255, 'Z'), "31/12/9999"},
                         {"A", "01/01/0001"},
                         {"DUPONT JEAN PIERRE", "29/02/2000"}};
  SaveRegisterFile((dir / "A.DAT").string(), original);

  const Result<RegisterFileContents> loaded = LoadRegisterFile((dir / "A.DAT").string());
  ASSERT_TRUE(loaded.ok());
  SaveRegisterFile((dir / "B.DAT").string(),
                   ParsePersonsCsv(WritePersonsCsv(loaded.value.persons)));

  EXPECT_EQ(bytesOf(dir / "B.DAT"), bytesOf(dir / "A.DAT"));
  EXPECT_EQ(fs::file_size(dir / "B.DAT"), 4u * kRecordSize);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vorel
