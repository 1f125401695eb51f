// The windows: start-up beyond its timed waits, and a report shown in the report window.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "app/Main.h"
#include "app/Startup.h"
#include "platform/Desktop.h"
#include "report/Composition.h"
#include "reportwin/Analwin.h"

namespace vorel {
namespace {

// Every window created in its order, each running its creation handler, and the main window
// shown: what the start-up costs besides its 2,000 ms logo wait.
void BM_CreateWindowsAndShowMain(benchmark::State& state) {
  InitResources();
  QTemporaryDir dir;
  for (auto _ : state) {
    Windows windows(StartupOptions{0, 0, QString(), dir.path().toStdString() + "/"});
    windows.MainForm->show();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_CreateWindowsAndShowMain)->Unit(benchmark::kMillisecond);

void BM_ShowReportInWindow(benchmark::State& state) {
  InitResources();
  TAnalyseChild window;
  const Report report = ComposeReport("MARTIN PAUL HENRI", "14/03/1962", FrenchLocaleNames());
  for (auto _ : state) {
    window.ShowReport(report);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_ShowReportInWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorel
