// The register's windows on 100,000 persons: filling the chooser, opening the editor (show
// and first paint), and the editor's sort and delete with their grid updates.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>
#include <random>

#include "QuietDesktop.h"
#include "gui/PersonChooser.h"
#include "gui/PersonEntryDialog.h"
#include "gui/RegisterEditor.h"
#include "gui/RegisterGrid.h"

namespace vorel {
namespace {

std::vector<Person> RandomPersons(size_t count) {
  static const char* surnames[] = {"MARTIN",  "BERNARD", "DUBOIS", "THOMAS", "ROBERT",
                                   "RICHARD", "PETIT",   "DURAND", "LEROY",  "MOREAU"};
  std::mt19937 random(7);
  std::vector<Person> list;
  list.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    char date[11];
    std::snprintf(date, sizeof date, "%02u/%02u/%04u", unsigned(random() % 28 + 1),
                  unsigned(random() % 12 + 1), unsigned(1900 + random() % 120));
    list.push_back({std::string(surnames[random() % 10]) + " " + std::to_string(random() % 100000) +
                        " JEAN PIERRE",  // past the short-string size, as most real names are
                    date});
  }
  return list;
}

// An editor loaded from a register file of count persons.
struct LoadedEditor {
  explicit LoadedEditor(size_t count)
      : persons(dir.filePath("VOREL.DAT").toStdString()),
        entry(desktop),
        editor(desktop, persons, entry) {
    SaveRegisterFile(dir.filePath("VOREL.DAT").toStdString(), RandomPersons(count));
    editor.loadRegister();
  }
  QTemporaryDir dir;
  bench::QuietDesktop desktop;
  Register persons;
  PersonEntryDialog entry;
  RegisterEditor editor;
};

void BM_FillChooser(benchmark::State& state) {
  const std::vector<Person> list = RandomPersons(state.range(0));
  bench::QuietDesktop desktop;
  PersonChooser chooser(desktop);
  for (auto _ : state) chooser.fill(list);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FillChooser)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_FillNewChooser(benchmark::State& state) {
  // The first showing: nothing to reuse from an earlier copy.
  const std::vector<Person> list = RandomPersons(state.range(0));
  bench::QuietDesktop desktop;
  for (auto _ : state) {
    state.PauseTiming();
    auto chooser = std::make_unique<PersonChooser>(desktop);
    state.ResumeTiming();
    chooser->fill(list);
    state.PauseTiming();
    chooser.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FillNewChooser)->Arg(100'000)->Unit(benchmark::kMillisecond);

// Counts the paints of the grid's rows.
class PaintWatch : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

void BM_OpenEditor(benchmark::State& state) {
  LoadedEditor editor(state.range(0));
  RegisterEditor& dialog = editor.editor;
  PaintWatch watch;
  dialog.findChild<RegisterGrid*>(QStringLiteral("personGrid"))
      ->viewport()
      ->installEventFilter(&watch);
  for (auto _ : state) {
    // From the show to the first paint of the rows, as the user waits for it.
    const int before = watch.paints;
    dialog.show();
    while (watch.paints == before) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    state.PauseTiming();
    dialog.hide();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenEditor)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_OpenNewEditor(benchmark::State& state) {
  // The first showing of a window, with its polish and layout of every control.
  for (auto _ : state) {
    state.PauseTiming();
    auto editor = std::make_unique<LoadedEditor>(state.range(0));
    PaintWatch watch;
    editor->editor.findChild<RegisterGrid*>(QStringLiteral("personGrid"))
        ->viewport()
        ->installEventFilter(&watch);
    state.ResumeTiming();
    editor->editor.show();
    while (watch.paints == 0) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    state.PauseTiming();
    editor.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenNewEditor)->Arg(100'000)->Iterations(10)->Unit(benchmark::kMillisecond);

void BM_EditorStartup(benchmark::State& state) {
  // The editor's creation: loading the file and handing the list to the grid.
  LoadedEditor editor(state.range(0));
  for (auto _ : state) editor.editor.loadRegister();
}
BENCHMARK(BM_EditorStartup)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_EditorSort(benchmark::State& state) {
  LoadedEditor editor(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    editor.editor.loadRegister();  // back to the unsorted file
    state.ResumeTiming();
    editor.editor.sortRegister();
  }
}
BENCHMARK(BM_EditorSort)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_EditorDeleteMiddle(benchmark::State& state) {
  LoadedEditor editor(state.range(0));
  for (auto _ : state) {
    editor.editor.findChild<RegisterGrid*>(QStringLiteral("personGrid"))
        ->setCurrentRow(editor.editor.personCount() / 2);
    editor.editor.deletePerson();
  }
}
BENCHMARK(BM_EditorDeleteMiddle)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorel
