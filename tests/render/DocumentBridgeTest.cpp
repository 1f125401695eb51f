// The report in the text control's document: the marks it shows and gives back, where its
// lines may break, and long files laid out whole.
#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "GuiTest.h"
#include "document/LongParagraphs.h"
#include "document/Rtf.h"
#include "document/RtfTestDocuments.h"
#include "render/DocumentBridge.h"
#include "render/ReportFonts.h"

namespace vorel {
namespace {

CharFormat Marked(bool strike, Script script) {
  CharFormat format;
  format.strike = strike;
  format.script = script;
  return format;
}

// The first line start of the laid-out document that breaks the rule, or -1: a line never
// starts with : ; ! ? and never follows a non-breaking space.
int BadLineStart(QTextDocument& document) {
  document.documentLayout()->documentSize();  // lays everything out
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    const QTextLayout* layout = block.layout();
    for (int i = 1; i < layout->lineCount(); ++i) {
      const int start = layout->lineAt(i).textStart();
      if (QStringLiteral(":;!?").contains(text.at(start)) || text.at(start - 1) == QChar(0xA0))
        return block.position() + start;
    }
  }
  return -1;
}

}  // namespace

class DocumentBridgeTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutes(); }

  // Each mark is drawn by the control, and a save gives it back with the text.
  void marksAndNonBreakingSpacesSurviveTheControl() {
    const struct {
      const char* text;
      bool strike;
      Script script;
      QTextCharFormat::VerticalAlignment shown;
    } runs[] = {
        {"plain ", false, Script::Normal, QTextCharFormat::AlignNormal},
        {"barré", true, Script::Normal, QTextCharFormat::AlignNormal},
        {"2", false, Script::Super, QTextCharFormat::AlignSuperScript},
        {"i", false, Script::Sub, QTextCharFormat::AlignSubScript},
        {"tout", true, Script::Sub, QTextCharFormat::AlignSubScript},
        {" mot\u00A0: suite\u00A0!", false, Script::Normal, QTextCharFormat::AlignNormal},
    };
    std::vector<Run> data;
    for (const auto& run : runs) data.push_back({run.text, Marked(run.strike, run.script)});
    RichDocument document;
    document.paragraphs.push_back(test::ReportParagraph(data, Marked(true, Script::Super)));

    QTextDocument control;
    LoadDocument(document, control);
    QTextBlock::iterator fragment = control.begin().begin();
    for (const auto& run : runs) {
      QVERIFY(!fragment.atEnd());
      QCOMPARE(fragment.fragment().text(), QString::fromUtf8(run.text));
      QCOMPARE(fragment.fragment().charFormat().fontStrikeOut(), run.strike);
      QCOMPARE(fragment.fragment().charFormat().verticalAlignment(), run.shown);
      ++fragment;
    }
    QVERIFY(fragment.atEnd());
    QCOMPARE(SaveDocument(control), document);
  }

  // French puts a non-breaking space before : ; ! and ?, so that the sign never starts a
  // line; ordinary spaces there let the layout break before it.
  void noLineStartsWithPunctuationAfterANonBreakingSpace() {
    const auto laidOut = [](const char* space) {
      std::string text;
      for (int i = 0; i < 30; ++i)
        for (const char* sign : {":", ";", "!", "?"})
          text += std::string("mot") + space + sign + " suite ";
      RichDocument document;
      document.paragraphs.push_back(test::ReportParagraph({{text, CharFormat{}}}));
      return document;
    };
    const RichDocument kept = laidOut("\u00A0");
    const RichDocument plain = laidOut(" ");
    bool plainBroke = false;
    // Past the indents, from about one "mot : suite" wide to many.
    for (int width = 240; width <= 800; width += 7) {
      QTextDocument control;
      control.setDefaultFont(ReportFont());
      control.setTextWidth(width);
      LoadDocument(kept, control);
      QVERIFY2(BadLineStart(control) < 0, qPrintable(QString::number(width)));
      LoadDocument(plain, control);
      plainBroke = plainBroke || BadLineStart(control) >= 0;
    }
    QVERIFY(plainBroke);
  }

  // An opened file's very long paragraph is cut before it reaches the control: every
  // character arrives, in order and in its format; only paragraph ends are added.
  void longParagraphsArriveWhole() {
    std::string words = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs24 ";
    std::string runs = words;
    for (int i = 0; i < 12'000; ++i) {
      words += "caract\\'e8re" + std::to_string(i % 97) + " ";
      runs += i % 2 ? "\\b gras\\b0  " : "mot ";
    }
    words += "fin}";
    runs += "fin}";
    for (const std::string& rtf : {words, runs}) {
      const std::optional<RichDocument> read = ReadRtf(rtf);
      QVERIFY(read);
      QCOMPARE(read->paragraphs.size(), size_t{1});
      RichDocument split = *read;
      QVERIFY(SplitLongParagraphs(split));
      QTextDocument control;
      LoadDocument(split, control);
      QCOMPARE(control.blockCount(), static_cast<int>(split.paragraphs.size()));
      QString whole;
      for (QTextBlock block = control.begin(); block.isValid(); block = block.next()) {
        QVERIFY(block.text().toUcs4().size() <= static_cast<qsizetype>(kMaxParagraphLength));
        whole += block.text();
      }
      QVERIFY(whole == QString::fromStdString(read->PlainText()));  // no diff of 100 KB
      QVERIFY(SaveDocument(control) == split);
    }
  }
};

VOREL_GUI_TEST(DocumentBridgeTest);

}  // namespace vorel

#include "DocumentBridgeTest.moc"
