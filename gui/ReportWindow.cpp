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
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolButton>
#include <memory>

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/ProfileFile.h"
#include "document/PlainText.h"
#include "document/Rtf.h"
#include "gui/BusyCursor.h"
#include "gui/Desktop.h"
#include "gui/DialogLook.h"
#include "gui/Dialogs.h"
#include "gui/Guard.h"
#include "gui/Placement.h"
#include "render/DocumentBridge.h"
#include "render/PageLayout.h"
#include "render/ReportFonts.h"
#include "report/Composition.h"

namespace vorel {
namespace {

constexpr size_t kMaxReportFileSize = size_t{512} << 20;

const QString kFilter = QStringLiteral("Fichiers vorel (*.RTF)");
const QString kDefaultSuffix = QStringLiteral("RTF");

QString FilePart(const std::string& path) {
  return QFileInfo(QString::fromStdString(path)).fileName();
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

ReportWindow::ReportWindow() : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("reportWindow"));
  move(kReportDesignPlacement.topLeft());
  resize(kReportDesignPlacement.size());

  toolbar_ = new QFrame(this);
  toolbar_->setObjectName(QStringLiteral("toolbar"));
  toolbar_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  const auto button = [this](const char* name, const char* picture, const QString& tip, int left) {
    return MakeToolButton(toolbar_, name, QString::fromLatin1(picture), QRect(left, 4, 25, 25),
                          ToolButtonLook{{}, tip, 18, false});
  };
  QToolButton* save = button("saveButton", "enregistrer", QStringLiteral("Enregistrer"), 8);
  QToolButton* print = button("printButton", "imprimer", QStringLiteral("Imprimer"), 40);
  QToolButton* copy =
      button("copyButton", "copier", QStringLiteral("Copier dans le Presse-papiers"), 72);

  reportEdit_ = new QTextEdit(this);
  reportEdit_->setObjectName(QStringLiteral("reportEdit"));
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

  layOutChildren();

  connect(save, &QToolButton::clicked, this, Guarded([this] { saveReport(); }));
  connect(print, &QToolButton::clicked, this, Guarded([this] { printReport(); }));
  connect(copy, &QToolButton::clicked, this, Guarded([this] { copyReport(); }));
  InstallHelpKey(*this);
}

void ReportWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layOutChildren();
}

void ReportWindow::layOutChildren() {
  toolbar_->setGeometry(0, 0, width(), 33);
  reportEdit_->setGeometry(0, 33, width(), std::max(0, height() - 33));
}

void ReportWindow::restorePlacement() {
  ApplyReportPlacement(*this, ProfileFile(ProfileFile::DefaultPath()),
                       CurrentDesktop().PrimaryScreenSize());
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

void ReportWindow::showReport(const Report& report) {
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
  switch (AskConfirmation(question)) {
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
  request.helpContext = 7;
  const auto chosen = GetFileName(this, request);
  if (!chosen) return;
  fileName_ = chosen->toStdString();
  setWindowTitle(FilePart(fileName_));
  const std::string rtf = WriteRtf(content());
  // A failure throws the report's own messages ("Impossible de créer le fichier …").
  ReplaceFileContents(fileName_, rtf, saveOptions_);
  reportEdit_->document()->setModified(false);
}

void ReportWindow::openReport() {
  if (isModified() && !askToSave()) return;
  FileRequest request;
  request.title = QStringLiteral("Ouvrir un fichier texte");
  request.filter = kFilter;
  request.defaultSuffix = kDefaultSuffix;
  request.initialPath = lastOpened_;
  request.helpContext = 6;
  request.helpButton = false;
  const auto chosen = GetFileName(this, request);
  if (!chosen) return;
  lastOpened_ = *chosen;
  fileName_ = chosen->toStdString();
  setWindowTitle(FilePart(fileName_));
  loadFile(fileName_);
  reportEdit_->document()->setModified(false);
  show();
  raise();
  activateWindow();
}

void ReportWindow::loadFile(const std::string& path) {
  std::string bytes;
  ReadFileContents(path, bytes, kMaxReportFileSize);
  BusyCursor busy;
  std::optional<RichDocument> document = ReadRtf(bytes);
  if (!document) {
    CharFormat base;  // the window's own font
    document = ReadPlainText(bytes, base);
  }
  LoadDocument(*document, *reportEdit_->document());
  QTextCursor cursor = reportEdit_->textCursor();
  cursor.movePosition(QTextCursor::Start);
  reportEdit_->setTextCursor(cursor);
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
  const auto copies = RunPrintDialog(this, printer, 8);
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
  QString plain = cursor.selection().toPlainText();
  mime->setText(plain);
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
  RunGuarded([&] { mayClose = !isModified() || askToSave(); });
  // Closing only hides the window: its text, file name and flag stay.
  if (mayClose)
    event->accept();
  else
    event->ignore();
}

}  // namespace vorel
