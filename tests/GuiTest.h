// Registration of the Qt Test classes that the one window-test program runs by name.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace vorel::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::map<std::string, TestFactory>& GuiTestRegistry();

struct RegisterGuiTest {
  RegisterGuiTest(const char* name, TestFactory factory) {
    GuiTestRegistry().emplace(name, std::move(factory));
  }
};

}  // namespace vorel::test

#define VOREL_GUI_TEST(Class)                                 \
  static ::vorel::test::RegisterGuiTest vorelRegister##Class( \
      #Class, [] { return std::unique_ptr<QObject>(new Class); })
