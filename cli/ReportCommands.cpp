// The reports vorel-report writes.
#include "cli/ReportCommands.h"

#include <QDate>
#include <cctype>
#include <map>
#include <string>

#include "base/Cp1252.h"
#include "base/Error.h"
#include "base/FileIO.h"
#include "cli/HeadlessGui.h"
#include "cli/OutputBatch.h"
#include "cli/RegisterToRead.h"
#include "document/Rtf.h"
#include "numerology/Calendar.h"
#include "register/PersonName.h"
#include "register/PersonsCsv.h"
#include "register/Register.h"
#include "render/PdfReport.h"
#include "report/Composition.h"
#include "report/CoupleReport.h"
#include "report/Explain.h"
#include "report/ThemeReport.h"
#include "system/LocaleNames.h"

namespace vorel {
namespace {

constexpr size_t kMaxFileBase = 120;

// Makes the output folder unless it exists; bad arguments otherwise.
void NeedFolder(const std::string& path) {
  sys::FileInfo info;
  if (!sys::Stat(path, info)) {
    if (!sys::MakeFolder(path, 0777)) throw UsageError("impossible de créer le dossier " + path);
  } else if (info.type != sys::FileType::Folder) {
    throw UsageError(path + " n'est pas un dossier");
  }
}

// Writes bytes as the file at path; false, with the message said, when it could not.
bool WriteOutput(const std::string& path, std::string_view bytes, const ToolOutput& io) {
  try {
    ReplaceFileContents(path, bytes);
    return true;
  } catch (const FileError& e) {
    io.Error(e.what());
    return false;
  }
}

int StudiedYear(const ReportArguments& a) {
  return a.year != 0 ? a.year : QDate::currentDate().year();
}

// The report the arguments ask for; bad names or dates are usage errors.
Report ComposeAsked(const ReportArguments& a, const CalendarNames& names) {
  // The names as the person entry would have kept them (Hélène gives HELENE).
  const std::string name = NormalisePersonName(a.name);
  // A thème or a couple says itself what a name without letters gives.
  if (name.empty() && a.kind == ReportKind::Vorel)
    throw UsageError("le nom « " + a.name + " » ne contient aucune lettre");
  try {
    switch (a.kind) {
      case ReportKind::Vorel:
        return ComposeReport(name, a.date, names);
      case ReportKind::Theme:
        return ComposeTheme(name, a.date, StudiedYear(a), names);
      case ReportKind::Couple: {
        const std::string second = NormalisePersonName(a.name2);
        CoupleReport couple =
            ComposeCouple({name, a.date}, {second, a.date2}, StudiedYear(a), names);
        Report report;
        report.caption = std::move(couple.caption);
        report.document = std::move(couple.document);
        return report;
      }
    }
  } catch (const Error& e) {
    throw UsageError(ErrorBoxText(e.what()));
  }
  return {};
}

}  // namespace

std::string ReportFileBase(const Person& person) {
  std::string base;
  for (const char ch : PrintableName(person.name)) {
    const auto c = static_cast<unsigned char>(ch);
    if (std::isalnum(c) || c >= 0x80)
      base += ch;
    else if (!base.empty() && base.back() != '_')
      base += '_';
  }
  while (!base.empty() && base.back() == '_') base.pop_back();
  if (base.empty()) base = "SANS_NOM";
  if (base.size() > kMaxFileBase) {
    // Between two characters: never inside a letter's bytes.
    size_t cut = kMaxFileBase;
    while (cut > 0 && (static_cast<unsigned char>(base[cut]) & 0xC0) == 0x80) --cut;
    base.resize(cut);
  }
  std::string date = PrintableName(person.date);
  for (char& c : date)
    if (c == '/') c = '-';
  return base + "_" + date;
}

int WriteOneReport(const ReportArguments& a, const ToolOutput& io) {
  const Report report = ComposeAsked(a, SystemCalendarNames());
  if (!a.rtf.empty()) {
    if (!WriteOutput(a.rtf, WriteRtf(report.document), io)) return 1;
  } else if (!a.pdf.empty()) {
    StartHeadlessGui();
    std::string pdf;
    try {
      pdf = ReportPdf(report.document, report.caption);
    } catch (const Error& e) {
      io.Error(e.what());
      return 1;
    }
    if (!WriteOutput(a.pdf, pdf, io)) return 1;
  } else {
    io.out << report.document.PlainText() << '\n';
  }
  if (a.explain) io.out << '\n' << ExplainNumbers(NormalisePersonName(a.name), report.birth);
  io.out.flush();
  return io.out ? 0 : 1;
}

int WriteRegisterReports(const ReportArguments& a, const ToolOutput& io) {
  // The persons read before any damage still get their reports; no one's when it cannot be
  // opened at all.
  bool damaged = false;
  const std::optional<Register> persons = OpenRegisterToRead(a.registerFile, io, damaged);
  if (!persons) return 1;
  int status = damaged ? 1 : 0;
  NeedFolder(a.out);
  SweepFolderLeftovers(a.out);
  if (a.pdfPerPerson) StartHeadlessGui();
  const CalendarNames names = SystemCalendarNames();
  const char* const extension = a.pdfPerPerson ? ".pdf" : ".RTF";
  const bool theme = a.kind == ReportKind::Theme;
  const int year = StudiedYear(a);

  std::string csv =
      "nom,date,motivation,realisation,expression,chemin,total_motivation,total_realisation,"
      "total_expression,total_chemin,signe\r\n";
  std::map<std::string, int> used;
  const std::vector<Person>& list = PersonsInFile(*persons);
  const size_t count = list.size();
  size_t written = 0;
  OutputBatch batch(a.pdfPerPerson);
  for (size_t i = 0; i < count; ++i) {
    const Person& person = list[i];
    try {
      Report report = theme ? ComposeTheme(person.name, person.date, year, names)
                            : ComposeReport(person.name, person.date, names);
      // Thèmes never take a report's name in the same folder.
      std::string base = (theme ? "THEME_" : "") + ReportFileBase(person);
      const int n = ++used[base];
      if (n > 1) base += "-" + std::to_string(n);
      batch.Add(std::move(report.document), report.caption, a.out + "/" + base + extension);
      ++written;
      const CoreNumbers& c = report.numbers;
      csv += CsvField(PrintableName(person.name), ',') + "," +
             CsvField(PrintableName(person.date), ',');
      for (int v : {c.Motivation, c.Realisation, c.Expression, c.Path, c.MotivationSum,
                    c.RealisationSum, c.ExpressionSum, c.PathSum})
        csv += "," + std::to_string(v);
      csv += std::string(",") + ZodiacSign(report.birth) + "\r\n";
    } catch (const Error& e) {
      io.err << "\nfiche " << i + 1 << " (" << PrintableName(person.name)
             << ") passée : " << ErrorBoxText(e.what()) << '\n';
      status = 1;
    }
    if ((i + 1) % 100 == 0 || i + 1 == count) {
      if (const auto failure = batch.Write()) {
        io.err << '\n';
        io.Error(*failure);
        return 1;
      }
      io.err << '\r' << i + 1 << " / " << count << " fiches";
    }
  }
  io.err << '\n'
         << written << (theme ? " thèmes écrits dans " : " bilans écrits dans ") << a.out << '\n';
  // The summary of numbers goes with the reports; a thème holds its numbers itself.
  if (!theme && !WriteOutput(a.out + "/numbers.csv", csv, io)) return 1;
  return status;
}

}  // namespace vorel
