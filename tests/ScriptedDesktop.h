// A desktop for window tests: records every box, dialog, help request and address the
// program asks for, and answers from queues filled by the test. An unexpected question fails
// the test.
#pragma once

#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>
#include <QString>
#include <QTest>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "gui/Desktop.h"

namespace vorel::test {

class ScriptedDesktop : public Desktop {
 public:
  ScriptedDesktop() = default;
  // A question, file or print dialog that found no answer queued fails the test function.
  ~ScriptedDesktop() override {
    if (unexpected) QTest::qFail("a dialog asked more than the test answered", __FILE__, __LINE__);
  }

  std::deque<Answer> answers;           // for confirmations
  std::deque<QString> files;            // for file dialogs; an empty name cancels
  std::deque<int> copies;               // for print dialogs; 0 cancels
  QString printFile;                    // the PDF a print goes to
  std::optional<QSize> screen;          // the primary screen's size; the real one when empty
  std::function<void()> whenUrlOpened;  // runs as an address is handed to the browser

  std::vector<BoxRequest> boxes;
  std::vector<FileRequest> fileRequests;
  std::vector<HelpTopic> helpTopics;
  QStringList openedUrls;
  int printRequests = 0;

  Answer showBox(const BoxRequest& request) override {
    boxes.push_back(request);
    if (request.kind != BoxKind::Confirmation) return Answer::Ok;
    if (answers.empty()) {
      unexpected = true;
      return Answer::Cancel;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::optional<QString> askFileName(QWidget*, const FileRequest& request) override {
    fileRequests.push_back(request);
    if (files.empty()) {
      unexpected = true;
      return std::nullopt;
    }
    const QString f = files.front();
    files.pop_front();
    if (f.isEmpty()) return std::nullopt;
    return f;
  }
  std::optional<int> askPrint(QWidget*, QPrinter& printer, HelpTopic) override {
    ++printRequests;
    if (copies.empty()) {
      unexpected = true;
      return std::nullopt;
    }
    const int c = copies.front();
    copies.pop_front();
    if (c <= 0) return std::nullopt;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printFile);
    printer.setCopyCount(c);
    return c;
  }
  void showHelp(HelpTopic topic) override { helpTopics.push_back(topic); }
  void openUrl(const QString& address) override {
    openedUrls << address;
    if (whenUrlOpened) whenUrlOpened();
  }
  QSize primaryScreenSize() const override {
    return screen ? *screen : QGuiApplication::primaryScreen()->geometry().size();
  }

  // The texts of the boxes shown, in order.
  QStringList texts() const {
    QStringList texts;
    for (const auto& b : boxes) texts << b.text;
    return texts;
  }

  bool unexpected = false;
};

}  // namespace vorel::test
