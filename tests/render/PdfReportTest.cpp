// The report as PDF, read back by poppler's tools: its margins, and the marks it prints.
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "GuiTest.h"
#include "cli/ToolRunner.h"
#include "document/RtfTestDocuments.h"
#include "render/PdfReport.h"
#include "render/ReportFonts.h"

namespace vorel {
namespace {

constexpr double kPointsPerMillimetre = 72 / 25.4;

struct Box {
  QString word;
  double xMin, yMin, xMax, yMax;
};

// The words of the first page with their boxes in points, and the page's size.
std::vector<Box> Words(const QString& pdf, QSizeF* page = nullptr) {
  const QByteArray boxes =
      test::RunProgram("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"}).out;
  std::vector<Box> words;
  const auto number = [](const QByteArray& line, const char* name) {
    const int at = line.indexOf(QByteArray(name) + "=\"") + static_cast<int>(qstrlen(name)) + 2;
    return line.mid(at, line.indexOf('"', at) - at).toDouble();
  };
  for (const QByteArray& line : boxes.split('\n')) {
    if (line.contains("<page") && page)
      *page = QSizeF(number(line, "width"), number(line, "height"));
    if (!line.contains("<word")) continue;
    const int textStart = line.indexOf('>') + 1;
    words.push_back({QString::fromUtf8(line.mid(textStart, line.lastIndexOf('<') - textStart)),
                     number(line, "xMin"), number(line, "yMin"), number(line, "xMax"),
                     number(line, "yMax")});
  }
  return words;
}

const Box* Find(const std::vector<Box>& words, const QString& word) {
  for (const Box& box : words)
    if (box.word == word) return &box;
  return nullptr;
}

// The first page at 144 dots per inch in grey, one byte a pixel, from the top left.
QImage Page(const QString& pdf, const QString& dir) {
  const QString stem = dir + "/page";
  test::RunProgram("pdftoppm",
                   {"-r", "144", "-gray", "-singlefile", "-f", "1", "-l", "1", pdf, stem});
  return QImage(stem + ".pgm");
}

// The largest share of dark pixels along a row across the middle of the word's box: a line
// struck through it is dark from one end to the other.
double DarkestRow(const QImage& page, const Box& box) {
  const double scale = 2;  // 144 dots per inch, 72 points
  double darkest = 0;
  for (int y = int((box.yMin + 0.3 * (box.yMax - box.yMin)) * scale);
       y <= int((box.yMin + 0.8 * (box.yMax - box.yMin)) * scale); ++y) {
    int dark = 0, all = 0;
    for (int x = int(box.xMin * scale) + 1; x < int(box.xMax * scale) - 1; ++x, ++all)
      dark += qGray(page.pixel(x, y)) < 128;
    darkest = std::max(darkest, double(dark) / all);
  }
  return darkest;
}

}  // namespace

class PdfReportTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    InstallFontSubstitutes();
    if (!test::HasProgram("pdftotext") || !test::HasProgram("pdftoppm"))
      QSKIP("pdftotext or pdftoppm missing (Debian package poppler-utils)");
  }

  // 20 mm on every side, which a home printer prints, then the report's own indents.
  void pagesHaveMarginsOfTwentyMillimetres() {
    RichDocument document;
    for (int i = 0; i < 60; ++i)
      document.paragraphs.push_back(test::ReportParagraph(
          {{"Une intelligence vive, des goûts éclectiques et une grande fidélité en amitié, "
            "que le temps ne dément pas.",
            CharFormat{}}}));
    QTemporaryDir dir;
    const QString pdf = dir.filePath("vorel.pdf");
    QVERIFY(test::WriteAll(pdf, QByteArray::fromStdString(ReportPdf(document, "Vorel"))));
    QSizeF page;
    const std::vector<Box> words = Words(pdf, &page);
    QVERIFY(words.size() > 300);
    QCOMPARE(qRound(page.width()), 595);
    QCOMPARE(qRound(page.height()), 842);
    const double margin = 20 * kPointsPerMillimetre;
    const double indent = 50;  // 1000 twips
    double left = page.width(), right = 0, top = page.height(), bottom = 0;
    for (const Box& box : words) {
      left = std::min(left, box.xMin);
      right = std::max(right, box.xMax);
      top = std::min(top, box.yMin);
      bottom = std::max(bottom, box.yMax);
    }
    QVERIFY2(qAbs(left - (margin + indent)) < 1, qPrintable(QString::number(left)));
    QVERIFY2(right <= page.width() - margin - indent + 1, qPrintable(QString::number(right)));
    QVERIFY2(right > page.width() - margin - indent - 40, qPrintable(QString::number(right)));
    QVERIFY2(top >= margin - 1 && top < margin + 10, qPrintable(QString::number(top)));
    QVERIFY2(bottom <= page.height() - margin + 1, qPrintable(QString::number(bottom)));
    // Each line once in the text, though the pages cut the paragraphs.
    const QString text = QString::fromUtf8(test::RunProgram("pdftotext", {pdf, "-"}).out);
    QCOMPARE(text.count(QStringLiteral("Une intelligence")), 60);
    QCOMPARE(text.count(QStringLiteral("dément pas.")), 60);
  }

  // Superscript stands higher than the line, subscript lower; a line crosses struck words.
  void strikeSuperscriptAndSubscriptArePrinted() {
    CharFormat up, down, struck;
    up.script = Script::Super;
    down.script = Script::Sub;
    struck.strike = true;
    RichDocument document;
    document.paragraphs.push_back(test::ReportParagraph({{"avant ", CharFormat{}},
                                                         {"haut", up},
                                                         {" milieu ", CharFormat{}},
                                                         {"bas", down},
                                                         {" puis ", CharFormat{}},
                                                         {"barré", struck},
                                                         {" après", CharFormat{}}}));
    QTemporaryDir dir;
    const QString pdf = dir.filePath("marques.pdf");
    QVERIFY(test::WriteAll(pdf, QByteArray::fromStdString(ReportPdf(document, "Vorel"))));
    const std::vector<Box> words = Words(pdf);
    const Box* before = Find(words, "avant");
    const Box* high = Find(words, "haut");
    const Box* low = Find(words, "bas");
    const Box* crossed = Find(words, "barré");
    const Box* after = Find(words, "après");
    QVERIFY(before && high && low && crossed && after);
    // Smaller, and off the line: at the line's baseline a smaller word's box would end above
    // the line's, by its smaller descent.
    QVERIFY(high->yMax - high->yMin < before->yMax - before->yMin - 2);
    QVERIFY(low->yMax - low->yMin < before->yMax - before->yMin - 2);
    QVERIFY(high->yMax < before->yMax - 2);
    QVERIFY(low->yMax > before->yMax);

    const QImage page = Page(pdf, dir.path());
    QVERIFY(!page.isNull());
    // Letters alone darken at most about two thirds of a row.
    for (const Box* plain : {before, after})
      QVERIFY2(DarkestRow(page, *plain) < 0.85, qPrintable(plain->word));
    QVERIFY(DarkestRow(page, *crossed) > 0.97);
  }
};

VOREL_GUI_TEST(PdfReportTest);

}  // namespace vorel

#include "PdfReportTest.moc"
