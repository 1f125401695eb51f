// The report window.
#include "gui/ReportWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QShortcut>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolButton>
#include <memory>

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/ProfileFile.h"
#include "document/LongParagraphs.h"
#include "document/PlainText.h"
#include "document/Rtf.h"
#include "gui/BusyCursor.h"
#include "gui/Desktop.h"
#include "gui/DialogLook.h"
#include "gui/Guard.h"
#include "gui/Layouts.h"
#include "gui/Placement.h"
#include "render/DocumentBridge.h"
#include "render/PageLayout.h"
#include "render/ReportFonts.h"
#include "report/Composition.h"

namespace vorel {
namespace {

constexpr size_t kMaxReportFileSize = size_t{512} << 20;

const QString kFilter = QStringLiteral("Fichiers vorel (*.RTF)");
// The window reads plain text as well as RTF: the open dialog lists both, and any file.
const QString kOpenFilters =
    QStringLiteral("Fichiers vorel (*.RTF);;Textes (*.txt *.TXT);;Tous les fichiers (*)");
const QString kDefaultSuffix = QStringLiteral("RTF");

QString FilePart(const std::string& path) {
  return QFileInfo(QString::fromStdString(path)).fileName();
}

// The selection as plain text, its non-breaking spaces kept: French typography puts them
// before ":" and "?", and QTextDocumentFragment::toPlainText() would turn them into plain
// spaces. Only the separators of paragraphs, lines and frames become line ends.
QString PlainTextOf(const QTextDocumentFragment& fragment) {
  QString text = fragment.toRawText();
  for (QChar& c : text) {
    switch (c.unicode()) {
      case QChar::ParagraphSeparator:
      case QChar::LineSeparator:
      case 0xFDD0:  // a frame begins
      case 0xFDD1:  // a frame ends
        c = QLatin1Char('\n');
        break;
      default:
        break;
    }
  }
  return text;
}

// Ctrl+Y redoes, as on the desktop the program comes from, whatever key the platform's own
// scheme gives redo (Ctrl+Shift+Z here, which still works).
class RedoKey : public QObject {
 public:
  explicit RedoKey(QTextEdit* edit) : QObject(edit), edit_(*edit) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
      return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool redo = key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier;
    if (!redo) return false;
    // Claimed at the override so that no shortcut takes it; acted on at the press.
    event->accept();
    if (event->type() == QEvent::KeyPress) edit_.redo();
    return event->type() == QEvent::KeyPress;
  }

 private:
  QTextEdit& edit_;
};

}  // namespace

ReportWindow::ReportWindow(Desktop& desktop, std::string settingsPath)
    : QWidget(nullptr, Qt::Window), desktop_(desktop), settingsPath_(std::move(settingsPath)) {
  setObjectName(QStringLiteral("reportWindow"));
  move(kReportDesignPlacement.topLeft());
  resize(kReportDesignPlacement.size());
  setMinimumSize(kReportMinimumSize);

  toolbar_ = new QFrame(this);
  toolbar_->setObjectName(QStringLiteral("toolbar"));
  toolbar_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  const auto button = [this](const char* name, const char* picture, const QString& tip,
                             const QString& accessibleName) {
    QToolButton* made = MakeToolButton(toolbar_, name, QString::fromLatin1(picture),
                                       ToolButtonLook{{}, tip, 18, true});
    made->setAccessibleName(accessibleName);
    return made;
  };
  QToolButton* save = button("saveButton", "enregistrer", QStringLiteral("Enregistrer"),
                             QStringLiteral("Enregistrer"));
  QToolButton* print =
      button("printButton", "imprimer", QStringLiteral("Imprimer"), QStringLiteral("Imprimer"));
  QToolButton* copy =
      button("copyButton", "copier", QStringLiteral("Copier dans le Presse-papiers"),
             QStringLiteral("Copier"));

  reportEdit_ = new QTextEdit(this);
  reportEdit_->setObjectName(QStringLiteral("reportEdit"));
  reportEdit_->setAccessibleName(QStringLiteral("Texte du vorel"));
  const QFont base = ReportFont();
  reportEdit_->document()->setDefaultFont(base);
  reportEdit_->setFont(base);
  QPalette palette = reportEdit_->palette();
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::Base, Qt::white);
  reportEdit_->setPalette(palette);
  reportEdit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  reportEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  reportEdit_->setLineWrapMode(QTextEdit::WidgetWidth);
  reportEdit_->setTabChangesFocus(false);
  reportEdit_->setAcceptRichText(true);
  reportEdit_->setUndoRedoEnabled(true);
  reportEdit_->installEventFilter(new RedoKey(reportEdit_));

  ApplyLayout(*this, kReportWindowLayout);
  layOutChildren();
  // The window opens with the caret in the text, though Tab reaches the buttons first.
  reportEdit_->setFocus();

  connect(save, &QToolButton::clicked, this, Guarded(desktop_, [this] { saveReport(); }));
  connect(print, &QToolButton::clicked, this, Guarded(desktop_, [this] { printReport(); }));
  connect(copy, &QToolButton::clicked, this, Guarded(desktop_, [this] { copyReport(); }));
  // The usual keys of the three commands and of "&Ouvrir"; Ctrl+C stays the text's own copy of
  // the selection.
  InstallCommandKey(*this, QKeySequence::Save, Guarded(desktop_, [this] { saveReport(); }));
  InstallCommandKey(*this, QKeySequence::Print, Guarded(desktop_, [this] { printReport(); }));
  InstallCommandKey(*this, QKeySequence::Open, Guarded(desktop_, [this] { openReport(); }));
  // Tab types a tab in the text: Ctrl+Tab and Ctrl+Shift+Tab leave it, for the buttons.
  const auto move = [this](QKeyCombination keys, bool forward) {
    auto* shortcut = new QShortcut(QKeySequence(keys), this);
    connect(shortcut, &QShortcut::activated, this,
            [this, forward] { forward ? focusNextChild() : focusPreviousChild(); });
  };
  move(Qt::CTRL | Qt::Key_Tab, true);
  move(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, false);
  move(Qt::CTRL | Qt::Key_Backtab, false);
  // The help opens at the page of what the window shows.
  InstallHelpKey(*this, [this] { desktop_.showHelp(helpTopic_); });
}

void ReportWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layOutChildren();
}

void ReportWindow::layOutChildren() {
  toolbar_->setGeometry(0, 0, width(), kReportToolbarHeight);
  reportEdit_->setGeometry(0, kReportToolbarHeight, width(),
                           std::max(0, height() - kReportToolbarHeight));
}

void ReportWindow::restorePlacement() {
  ApplyReportPlacement(*this, ProfileFile(settingsPath_).Entries(), desktop_.primaryScreenSize());
}

bool ReportWindow::isModified() const {
  return reportEdit_->document()->isModified();
}

QString ReportWindow::reportName() const {
  return fileName_.empty() ? QStringLiteral("ce vorel") : FilePart(fileName_);
}

RichDocument ReportWindow::content() const {
  return SaveDocument(*reportEdit_->document());
}

void ReportWindow::showReport(const Report& report, HelpTopic helpTopic) {
  helpTopic_ = helpTopic;
  setWindowTitle(QString::fromStdString(report.caption));
  LoadDocument(report.document, *reportEdit_->document());
  QTextCursor cursor = reportEdit_->textCursor();
  cursor.movePosition(QTextCursor::Start);
  reportEdit_->setTextCursor(cursor);
  reportEdit_->verticalScrollBar()->setValue(0);
  fileName_.clear();
  // A new report has never been saved: closing it asks about "ce vorel".
  reportEdit_->document()->setModified(true);
  show();
  raise();
  activateWindow();
}

bool ReportWindow::askToSave() {
  const QString question = QString::fromStdString(
      FormatMessage("Voulez-vous enregistrer %s ?", reportName().toStdString()));
  switch (desktop_.askConfirmation(question)) {
    case Answer::Yes:
      // A failed save throws and so stops the pending action; a cancelled one does not.
      saveReport();
      return true;
    case Answer::No:
      return true;
    default:
      return false;
  }
}

void ReportWindow::saveReport() {
  FileRequest request;
  request.save = true;
  request.title = QStringLiteral("Enregistrer le vorel dans un fichier texte");
  request.filter = kFilter;
  request.defaultSuffix = kDefaultSuffix;
  request.initialPath = QString::fromStdString(fileName_);
  request.helpTopic = HelpTopic::Save;
  const auto chosen = desktop_.askFileName(this, request);
  if (!chosen) return;
  // The file name and the caption change before the save, so a save that fails leaves the
  // window named after a file that does not hold it. Odd, but it has always been so.
  fileName_ = chosen->toStdString();
  setWindowTitle(FilePart(fileName_));
  const std::string rtf = WriteRtf(content());
  // A failure throws the report's own messages ("Impossible de créer le fichier …").
  ReplaceFileContents(fileName_, rtf);
  reportEdit_->document()->setModified(false);
}

void ReportWindow::openReport() {
  if (isModified() && !askToSave()) return;
  FileRequest request;
  request.title = QStringLiteral("Ouvrir un fichier texte");
  request.filter = kOpenFilters;
  request.defaultSuffix = kDefaultSuffix;
  request.initialPath = lastOpened_;
  request.helpTopic = HelpTopic::Open;
  request.helpButton = false;
  const auto chosen = desktop_.askFileName(this, request);
  if (!chosen) return;
  // As with a save, the file name and the caption change first: an open that fails leaves the
  // old text under the new file's name, and a later save goes there.
  lastOpened_ = *chosen;
  fileName_ = chosen->toStdString();
  setWindowTitle(FilePart(fileName_));
  const bool cut = loadFile(fileName_);
  helpTopic_ = HelpTopic::Main;
  reportEdit_->document()->setModified(false);
  show();
  raise();
  activateWindow();
  if (cut)
    desktop_.showWarning(
        QStringLiteral("Les paragraphes de plus de 10 000 caractères ont été coupés."));
}

bool ReportWindow::loadFile(const std::string& path) {
  const std::string bytes = ReadFile(path, kMaxReportFileSize).Get().bytes;
  BusyCursor busy;
  std::optional<RichDocument> document = ReadRtf(bytes);
  if (!document) {
    CharFormat base;  // the window's own font
    document = ReadPlainText(bytes, base);
  }
  // A paragraph of hundreds of thousands of characters would hold the window for minutes: the
  // text is all there, in shorter paragraphs.
  const bool cut = SplitLongParagraphs(*document);
  LoadDocument(*document, *reportEdit_->document());
  QTextCursor cursor = reportEdit_->textCursor();
  cursor.movePosition(QTextCursor::Start);
  reportEdit_->setTextCursor(cursor);
  return cut;
}

int ReportWindow::printCopies(QPrinter& printer, int copies) {
  // We make the copies ourselves, each from a new page, so the printer must not repeat them.
  printer.setCopyCount(1);
  printer.setFullPage(false);
  QPainter painter;
  if (!painter.begin(&printer)) throw Error("Impossible d'imprimer le vorel");
  const int printed = PaintPages(*reportEdit_->document(), printer, painter, copies);
  painter.end();
  return printed;
}

void ReportWindow::printReport() {
  QPrinter printer(QPrinter::HighResolution);
  const auto copies = desktop_.askPrint(this, printer, HelpTopic::Print);
  if (!copies) return;
  printer.setDocName(windowTitle().left(31));
  printCopies(printer, std::max(1, *copies));
}

void ReportWindow::copyReport() {
  QTextCursor cursor = reportEdit_->textCursor();
  if (!cursor.hasSelection()) {
    cursor.select(QTextCursor::Document);
    reportEdit_->setTextCursor(cursor);
  }
  // Plain text, HTML and RTF, so a word processor keeps the fonts and the bold.
  auto* mime = new QMimeData;
  mime->setText(PlainTextOf(cursor.selection()));
  mime->setHtml(cursor.selection().toHtml());
  const std::string rtf = WriteRtf(SaveSelection(cursor));
  mime->setData(QStringLiteral("text/rtf"), QByteArray::fromStdString(rtf));
  mime->setData(QStringLiteral("application/rtf"), QByteArray::fromStdString(rtf));
  QApplication::clipboard()->setMimeData(mime);
  cursor.setPosition(cursor.selectionStart());
  reportEdit_->setTextCursor(cursor);
  reportEdit_->ensureCursorVisible();
}

void ReportWindow::closeEvent(QCloseEvent* event) {
  bool mayClose = false;
  RunGuarded(desktop_, [&] { mayClose = !isModified() || askToSave(); });
  // Closing only hides the window: its text, file name and flag stay.
  if (mayClose)
    event->accept();
  else
    event->ignore();
}

}  // namespace vorel
