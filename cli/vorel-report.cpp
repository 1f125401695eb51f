// vorel-report: the program's reports from the command line, one person or a whole register.
#include <sys/stat.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "base/Cp1252.h"
#include "base/Error.h"
#include "base/FileIO.h"
#include "document/Rtf.h"
#include "numerology/Calendar.h"
#include "numerology/DateText.h"
#include "register/RegisterFile.h"
#include "report/Composition.h"
#include "report/Explain.h"
#include "system/LocaleNames.h"

namespace vorel {
namespace {

constexpr const char* kUsage =
    "Usage :\n"
    "  vorel-report NOM DATE [--rtf FICHIER] [--explain]\n"
    "  vorel-report --register VOREL.DAT --out DOSSIER\n"
    "  vorel-report --help\n"
    "\n"
    "Rédige le bilan Vorel d'une personne, ou de toutes les personnes d'un fichier.\n"
    "\n"
    "  NOM DATE          le nom complet (nom de famille d'abord, les minuscules sont mises en\n"
    "                    majuscules) et la date de naissance au format jj/mm/aaaa ; le texte\n"
    "                    du bilan est écrit sur la sortie standard, un paragraphe par ligne\n"
    "  --rtf FICHIER     écrit le bilan au format RTF dans FICHIER, comme l'enregistre la\n"
    "                    fenêtre du bilan, au lieu de l'afficher\n"
    "  --explain         ajoute après le bilan le détail du calcul des nombres\n"
    "  --register F      lit le fichier des personnes F (VOREL.DAT)\n"
    "  --out DOSSIER     écrit dans DOSSIER un fichier RTF par personne et le résumé\n"
    "                    numbers.csv ; les personnes dont la date n'est pas valable sont\n"
    "                    signalées et passées\n"
    "\n"
    "Code de sortie : 0 si tout a été écrit, 1 si une personne a été passée ou si le\n"
    "fichier des personnes est abîmé, 2 si les arguments sont incorrects.\n";

struct Arguments {
  std::vector<std::string> positional;
  std::string rtf, registerFile, out;
  bool explain = false, help = false;
};

[[noreturn]] void BadArguments(const std::string& message) {
  std::fprintf(stderr, "vorel-report : %s\nEssayez « vorel-report --help ».\n", message.c_str());
  std::exit(2);
}

Arguments Parse(int argc, char** argv) {
  Arguments a;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&](std::string& into) {
      if (i + 1 >= argc || std::strlen(argv[i + 1]) == 0)
        BadArguments("l'option " + arg + " attend une valeur");
      if (!into.empty()) BadArguments("l'option " + arg + " est donnée deux fois");
      into = argv[++i];
    };
    if (arg == "--help" || arg == "-h") {
      a.help = true;
    } else if (arg == "--explain") {
      a.explain = true;
    } else if (arg == "--rtf") {
      value(a.rtf);
    } else if (arg == "--register") {
      value(a.registerFile);
    } else if (arg == "--out") {
      value(a.out);
    } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
      BadArguments("option inconnue " + arg);
    } else {
      a.positional.push_back(arg);
    }
  }
  if (a.help) return a;
  if (!a.registerFile.empty() || !a.out.empty()) {
    if (a.registerFile.empty() || a.out.empty()) BadArguments("--register et --out vont ensemble");
    if (!a.positional.empty() || !a.rtf.empty() || a.explain)
      BadArguments("--register ne se combine pas avec NOM, DATE, --rtf ni --explain");
  } else if (a.positional.size() != 2) {
    BadArguments(a.positional.size() < 2 ? "il faut un nom et une date de naissance"
                                         : "trop d'arguments (mettez le nom entre guillemets)");
  }
  return a;
}

// The register's form of a name typed on the command line: capitals, single-byte text.
std::string RegisterName(const std::string& utf8) {
  std::string name = Utf8ToCp1252(utf8);
  for (char& c : name)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return name;
}

int OnePerson(const Arguments& a, const CalendarNames& names) {
  const std::string name = RegisterName(a.positional[0]);
  Report report;
  try {
    report = ComposeReport(name, a.positional[1], names);
  } catch (const Error& e) {
    BadArguments(e.what());
  }
  if (!a.rtf.empty()) {
    try {
      ReplaceFileContents(a.rtf, WriteRtf(report.document));
    } catch (const FileError& e) {
      std::fprintf(stderr, "vorel-report : %s\n", ErrorBoxText(e.what()).c_str());
      return 1;
    }
  } else {
    std::fputs((report.document.PlainText() + "\n").c_str(), stdout);
  }
  if (a.explain) std::fputs(("\n" + ExplainNumbers(name, report.birth)).c_str(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

// A readable file name for a person: the name's letters and digits, then the date.
std::string FileBase(const Person& person) {
  std::string base;
  for (const char ch : Cp1252ToUtf8(person.name)) {
    const auto c = static_cast<unsigned char>(ch);
    if (std::isalnum(c) || c >= 0x80)
      base += ch;
    else if (!base.empty() && base.back() != '_')
      base += '_';
  }
  while (!base.empty() && base.back() == '_') base.pop_back();
  if (base.empty()) base = "SANS_NOM";
  if (base.size() > 120) base.resize(120);
  std::string date = person.date;
  for (char& c : date)
    if (c == '/') c = '-';
  return base + "_" + date;
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

int WholeRegister(const Arguments& a, const CalendarNames& names) {
  RegisterList list;
  int status = 0;
  try {
    LoadRegister(a.registerFile, list);
  } catch (const Error& e) {
    // The persons read before the error are still written.
    std::fprintf(stderr, "vorel-report : %s : %s\n", a.registerFile.c_str(),
                 ErrorBoxText(e.what()).c_str());
    status = 1;
  }
  struct stat info {};
  if (::stat(a.out.c_str(), &info) != 0) {
    if (::mkdir(a.out.c_str(), 0777) != 0) BadArguments("impossible de créer le dossier " + a.out);
  } else if (!S_ISDIR(info.st_mode)) {
    BadArguments(a.out + " n'est pas un dossier");
  }

  std::string csv =
      "nom,date,motivation,realisation,expression,chemin,total_motivation,total_realisation,"
      "total_expression,total_chemin,signe\r\n";
  std::map<std::string, int> used;
  const size_t count = list.persons.size();
  size_t written = 0;
  for (size_t i = 0; i < count; ++i) {
    const Person& person = list.persons[i];
    Report report;
    try {
      report = ComposeReport(person.name, person.date, names);
    } catch (const Error& e) {
      std::fprintf(stderr, "\nfiche %zu, %s : %s, passée\n", i + 1,
                   Cp1252ToUtf8(person.name).c_str(), ErrorBoxText(e.what()).c_str());
      status = 1;
      continue;
    }
    std::string base = FileBase(person);
    const int n = ++used[base];
    if (n > 1) base += "-" + std::to_string(n);
    const std::string path = a.out + "/" + base + ".RTF";
    try {
      ReplaceFileContents(path, WriteRtf(report.document), SaveOptions{false, false, std::nullopt});
    } catch (const FileError& e) {
      std::fprintf(stderr, "\nvorel-report : %s\n", ErrorBoxText(e.what()).c_str());
      return 1;
    }
    ++written;
    const CoreNumbers& c = report.numbers;
    csv += CsvField(Cp1252ToUtf8(person.name)) + "," + CsvField(person.date);
    for (int v : {c.Motivation, c.Realisation, c.Expression, c.Path, c.MotivationSum,
                  c.RealisationSum, c.ExpressionSum, c.PathSum})
      csv += "," + std::to_string(v);
    csv += std::string(",") + ZodiacSign(report.birth) + "\r\n";
    if ((i + 1) % 100 == 0 || i + 1 == count)
      std::fprintf(stderr, "\r%zu / %zu fiches", i + 1, count);
  }
  std::fprintf(stderr, "\n%zu bilans écrits dans %s\n", written, a.out.c_str());
  try {
    ReplaceFileContents(a.out + "/numbers.csv", csv);
  } catch (const FileError& e) {
    std::fprintf(stderr, "vorel-report : %s\n", ErrorBoxText(e.what()).c_str());
    return 1;
  }
  return status;
}

}  // namespace
}  // namespace vorel

int main(int argc, char** argv) {
  const vorel::Arguments arguments = vorel::Parse(argc, argv);
  if (arguments.help) {
    std::fputs(vorel::kUsage, stdout);
    return 0;
  }
  const vorel::CalendarNames names = vorel::SystemCalendarNames();
  return arguments.registerFile.empty() ? vorel::OnePerson(arguments, names)
                                        : vorel::WholeRegister(arguments, names);
}
