// The windows: start-up beyond its timed waits, and a report or a thème shown in the report
// window.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTemporaryDir>

#include "QuietDesktop.h"
#include "ReportSample.h"
#include "app/ApplicationDefaults.h"
#include "app/Startup.h"
#include "base/FileIO.h"
#include "base/ProfileFile.h"
#include "document/Rtf.h"
#include "gui/MainWindow.h"
#include "gui/ReportWindow.h"
#include "report/Composition.h"
#include "report/ThemeReport.h"

namespace vorel {
namespace {

using bench::QuietDesktop;

// Every window created in its order, each running its creation handler, and the main window
// shown: what the start-up costs besides its 2,000 ms logo wait.
void BM_CreateWindowsAndShowMain(benchmark::State& state) {
  InitResources();
  QTemporaryDir dir;
  for (auto _ : state) {
    ProgramWindows windows(StartupOptions{0, 0, QString(), dir.path().toStdString() + "/"});
    windows.mainWindow().show();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_CreateWindowsAndShowMain)->Unit(benchmark::kMillisecond);

void BM_ShowReportInWindow(benchmark::State& state) {
  InitResources();
  QuietDesktop desktop;
  ReportWindow window(desktop, ProfileFile::DefaultPath());
  const Report report = ComposeReport("MARTIN PAUL HENRI", "14/03/1962", FrenchLocaleNames());
  for (auto _ : state) {
    window.showReport(report);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_ShowReportInWindow)->Unit(benchmark::kMillisecond);

// The thème, composed and shown, as "&Thème" does once the person is chosen.
void BM_ComposeAndShowThemeInWindow(benchmark::State& state) {
  InitResources();
  QuietDesktop desktop;
  ReportWindow window(desktop, ProfileFile::DefaultPath());
  for (auto _ : state) {
    window.showReport(ComposeTheme("MARTIN PAUL HENRI", "14/03/1962", 2026, FrenchLocaleNames()),
                      HelpTopic::Theme);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_ComposeAndShowThemeInWindow)->Unit(benchmark::kMillisecond);

// "&Ouvrir" on a 1 MB report: read, decoded and laid into the window.
void BM_OpenOneMegabyteReport(benchmark::State& state) {
  InitResources();
  QTemporaryDir dir;
  const QString path = dir.filePath("big.RTF");
  const std::string rtf = WriteRtf(bench::ReportLikeDocument(1 << 20));
  ReplaceFileContents(path.toStdString(), rtf);
  QuietDesktop desktop(path);
  ReportWindow window(desktop, ProfileFile::DefaultPath());
  for (auto _ : state) {
    window.openReport();
    QCoreApplication::processEvents();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(rtf.size()));
}
BENCHMARK(BM_OpenOneMegabyteReport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorel
