// A dialog hook for window tests: records every box and dialog the program shows and
// answers from queues filled by the test. An unexpected box fails the test.
#pragma once

#include <QPrinter>
#include <QString>
#include <QTest>
#include <deque>
#include <optional>
#include <vector>

#include "platform/Dialogs.h"

namespace vorel::test {

class ScriptedDialogs : public DialogHook {
 public:
  ScriptedDialogs() { SetDialogHook(this); }
  // A question, file or print dialog that found no answer queued fails the test function.
  ~ScriptedDialogs() override {
    SetDialogHook(nullptr);
    if (unexpected) QTest::qFail("a dialog asked more than the test answered", __FILE__, __LINE__);
  }

  std::deque<Answer> answers;  // for confirmations
  std::deque<QString> files;   // for file dialogs; an empty name cancels
  std::deque<int> copies;      // for print dialogs; 0 cancels
  QString printFile;           // the PDF a print goes to

  std::vector<BoxRequest> boxes;
  std::vector<FileRequest> fileRequests;
  int printRequests = 0;

  Answer OnBox(const BoxRequest& request) override {
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
  std::optional<QString> OnFile(const FileRequest& request) override {
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
  std::optional<int> OnPrint(QPrinter& printer) override {
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

  // The texts of the boxes shown, in order.
  QStringList Texts() const {
    QStringList texts;
    for (const auto& b : boxes) texts << b.text;
    return texts;
  }

  bool unexpected = false;
};

}  // namespace vorel::test
