// Runs one registered Qt Test class: vorel_gui_tests CLASS [Qt Test options].
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "GuiTest.h"
#include "app/ApplicationDefaults.h"

namespace vorel::test {
std::map<std::string, TestFactory>& GuiTestRegistry() {
  static std::map<std::string, TestFactory> registry;
  return registry;
}
}  // namespace vorel::test

int main(int argc, char** argv) {
  // Window tests never touch the user's files: each run gets its own configuration, data
  // and cache folders.
  QTemporaryDir config, data, cache;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
  qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
  QApplication app(argc, argv);
  vorel::InitResources();
  auto& registry = vorel::test::GuiTestRegistry();
  if (argc < 2 || !registry.count(argv[1])) {
    std::fprintf(stderr, "usage: %s CLASS [options]\nclasses:\n", argv[0]);
    for (const auto& entry : registry) std::fprintf(stderr, "  %s\n", entry.first.c_str());
    return 2;
  }
  auto test = registry.at(argv[1])();
  // Qt Test sees the program name followed by its own options.
  argv[1] = argv[0];
  return QTest::qExec(test.get(), argc - 1, argv + 1);
}
