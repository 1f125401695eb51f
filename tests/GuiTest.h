// Registration of the Qt Test classes that the one window-test program runs by name.
#pragma once

#include <QObject>
#include <QString>
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

namespace vorel::test {

// The child of a window by its object name; a missing one ends the test program, since every
// check after it would be meaningless.
template <class T>
T* Child(const QObject& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  if (!child) qFatal("%s has no child %s", qPrintable(parent.objectName()), name);
  return child;
}

}  // namespace vorel::test
