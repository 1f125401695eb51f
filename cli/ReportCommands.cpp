// The reports vorel-report writes.
#include "ReportCommands.h"

#include <sys/stat.h>

#include <cctype>
#include <cstdio>
#include <map>
#include <string>

#include "HeadlessGui.h"
#include "OutputBatch.h"
#include "ToolMessages.h"
#include "base/Cp1252.h"
#include "base/Error.h"
#include "document/Rtf.h"
#include "numerology/Calendar.h"
#include "register/PersonName.h"
#include "register/RegisterFile.h"
#include "render/PdfReport.h"
#include "report/Composition.h"
#include "report/Explain.h"
#include "system/LocaleNames.h"

namespace vorel {
namespace {

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

// Makes the output folder unless it exists; bad arguments otherwise.
void NeedFolder(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    if (::mkdir(path.c_str(), 0777) != 0) BadArguments("impossible de créer le dossier " + path);
  } else if (!S_ISDIR(info.st_mode)) {
    BadArguments(path + " n'est pas un dossier");
  }
}

}  // namespace

int WriteOneReport(const ReportArguments& a) {
  // The name as the person entry would have kept it (Hélène gives HELENE).
  const std::string name = NormalisePersonName(a.name);
  if (name.empty()) BadArguments("le nom « " + a.name + " » ne contient aucune lettre");
  Report report;
  try {
    report = ComposeReport(name, a.date, SystemCalendarNames());
  } catch (const Error& e) {
    BadArguments(ErrorBoxText(e.what()));
  }
  if (!a.rtf.empty()) {
    if (!SaveOutput(a.rtf, WriteRtf(report.document))) {
      PrintError(CannotCreateMessage(a.rtf));
      return 1;
    }
  } else if (!a.pdf.empty()) {
    StartHeadlessGui();
    std::string pdf;
    try {
      pdf = ReportPdf(report.document, report.caption);
    } catch (const Error& e) {
      PrintError(e.what());
      return 1;
    }
    if (!SaveOutput(a.pdf, pdf)) {
      PrintError(CannotCreateMessage(a.pdf));
      return 1;
    }
  } else {
    std::fputs((report.document.PlainText() + "\n").c_str(), stdout);
  }
  if (a.explain) std::fputs(("\n" + ExplainNumbers(name, report.birth)).c_str(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

int WriteRegisterReports(const ReportArguments& a) {
  struct stat info {};
  if (::stat(a.registerFile.c_str(), &info) != 0) {
    // A mistyped name would otherwise give the sample person's report.
    PrintError(FormatMessage("Impossible d'ouvrir le fichier %s", a.registerFile));
    return 1;
  }
  RegisterList list;
  // The persons read before any damage still get their reports.
  int status = LoadNamedRegister(a.registerFile, list);
  NeedFolder(a.out);
  if (a.pdfPerPerson) StartHeadlessGui();
  const CalendarNames names = SystemCalendarNames();
  const char* const extension = a.pdfPerPerson ? ".pdf" : ".RTF";

  std::string csv =
      "nom,date,motivation,realisation,expression,chemin,total_motivation,total_realisation,"
      "total_expression,total_chemin,signe\r\n";
  std::map<std::string, int> used;
  const size_t count = list.persons.size();
  size_t written = 0;
  OutputBatch batch(a.pdfPerPerson);
  for (size_t i = 0; i < count; ++i) {
    const Person& person = list.persons[i];
    try {
      Report report = ComposeReport(person.name, person.date, names);
      std::string base = FileBase(person);
      const int n = ++used[base];
      if (n > 1) base += "-" + std::to_string(n);
      batch.Add(std::move(report.document), report.caption, a.out + "/" + base + extension);
      ++written;
      const CoreNumbers& c = report.numbers;
      csv += CsvField(Cp1252ToUtf8(person.name)) + "," + CsvField(person.date);
      for (int v : {c.Motivation, c.Realisation, c.Expression, c.Path, c.MotivationSum,
                    c.RealisationSum, c.ExpressionSum, c.PathSum})
        csv += "," + std::to_string(v);
      csv += std::string(",") + ZodiacSign(report.birth) + "\r\n";
    } catch (const Error& e) {
      std::fprintf(stderr, "\nfiche %zu (%s) passée : %s\n", i + 1,
                   Cp1252ToUtf8(person.name).c_str(), ErrorBoxText(e.what()).c_str());
      status = 1;
    }
    if ((i + 1) % 100 == 0 || i + 1 == count) {
      if (const auto failed = batch.Write()) {
        std::fputc('\n', stderr);
        PrintError(CannotCreateMessage(*failed));
        return 1;
      }
      std::fprintf(stderr, "\r%zu / %zu fiches", i + 1, count);
    }
  }
  std::fprintf(stderr, "\n%zu bilans écrits dans %s\n", written, a.out.c_str());
  if (!SaveOutput(a.out + "/numbers.csv", csv)) {
    PrintError(CannotCreateMessage(a.out + "/numbers.csv"));
    return 1;
  }
  return status;
}

}  // namespace vorel
