// TAnalyseChild.
#include "reportwin/Analwin.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QShortcut>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextFrame>
#include <QToolButton>
#include <memory>

#include "app/Placement.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Error.h"
#include "platform/FileIO.h"
#include "platform/Guard.h"
#include "platform/PlainText.h"
#include "platform/ProfileFile.h"
#include "platform/Rtf.h"
#include "report/Composition.h"
#include "reportwin/DocumentBridge.h"

namespace vorel {
namespace {

constexpr size_t kMaxReportFileSize = size_t{512} << 20;

const QString kFilter = QStringLiteral("Fichiers vorel (*.RTF)");
const QString kDefaultSuffix = QStringLiteral("RTF");

QToolButton* MakeButton(QWidget* panel, const char* name, const char* picture, const QString& tip,
                        int left) {
  auto* button = new QToolButton(panel);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(QIcon(QStringLiteral(":/vorel/%1.png").arg(QString::fromLatin1(picture))));
  button->setIconSize(QSize(18, 18));
  button->setAutoRaise(true);
  button->setToolTip(tip);
  button->setFocusPolicy(Qt::NoFocus);
  button->setGeometry(left, 4, 25, 25);
  return button;
}

QString FilePart(const std::string& path) {
  return QFileInfo(QString::fromStdString(path)).fileName();
}

}  // namespace

TAnalyseChild::TAnalyseChild() : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("AnalyseChild"));
  setGeometry(kReportDesignPlacement);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  SpeedSauve = MakeButton(Panel1, "SpeedSauve", "enregistrer", QStringLiteral("Enregistrer"), 8);
  SpeedImprime = MakeButton(Panel1, "SpeedImprime", "imprimer", QStringLiteral("Imprimer"), 40);
  SpeedCopy = MakeButton(Panel1, "SpeedCopy", "copier",
                         QStringLiteral("Copier dans le Presse-papiers"), 72);

  Memo = new QTextEdit(this);
  Memo->setObjectName(QStringLiteral("Memo"));
  QFont base(QStringLiteral("Times New Roman"));
  base.setPointSize(12);
  Memo->document()->setDefaultFont(base);
  Memo->setFont(base);
  QPalette palette = Memo->palette();
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::Base, Qt::white);
  Memo->setPalette(palette);
  Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo->setLineWrapMode(QTextEdit::WidgetWidth);
  Memo->setTabChangesFocus(false);
  Memo->setAcceptRichText(true);
  Memo->setUndoRedoEnabled(true);

  LayoutChildren();

  connect(SpeedSauve, &QToolButton::clicked, this, Guarded([this] { SpeedSauveClick(); }));
  connect(SpeedImprime, &QToolButton::clicked, this, Guarded([this] { Imprimer1Click(); }));
  connect(SpeedCopy, &QToolButton::clicked, this, Guarded([this] { Copier1Click(); }));
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  help->setContext(Qt::WindowShortcut);
  connect(help, &QShortcut::activated, this, [] { ShowHelpTopic(1); });
}

void TAnalyseChild::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutChildren();
}

void TAnalyseChild::LayoutChildren() {
  Panel1->setGeometry(0, 0, width(), 33);
  Memo->setGeometry(0, 33, width(), std::max(0, height() - 33));
}

void TAnalyseChild::FormCreate() {
  ApplyReportPlacement(*this, ProfileFile(ProfileFile::DefaultPath()), PrimaryScreenSize());
}

bool TAnalyseChild::Modified() const {
  return Memo->document()->isModified();
}

QString TAnalyseChild::ReportName() const {
  return nomFichier_.empty() ? QStringLiteral("ce vorel") : FilePart(nomFichier_);
}

RichDocument TAnalyseChild::Content() const {
  return SaveDocument(*Memo->document());
}

void TAnalyseChild::ShowReport(const Report& report) {
  setWindowTitle(QString::fromStdString(report.caption));
  Memo->clear();
  LoadDocument(report.document, *Memo->document());
  QTextCursor cursor = Memo->textCursor();
  cursor.movePosition(QTextCursor::Start);
  Memo->setTextCursor(cursor);
  Memo->verticalScrollBar()->setValue(0);
  nomFichier_.clear();
  // A new report has never been saved: closing it asks about "ce vorel".
  Memo->document()->setModified(true);
  show();
  raise();
  activateWindow();
}

bool TAnalyseChild::AskSave() {
  const QString question = QString::fromStdString(
      FormatMessage("Voulez-vous enregistrer %s ?", ReportName().toStdString()));
  switch (AskConfirmation(question)) {
    case Answer::Yes:
      // A failed save throws and so stops the pending action; a cancelled one does not.
      SpeedSauveClick();
      return true;
    case Answer::No:
      return true;
    default:
      return false;
  }
}

void TAnalyseChild::SpeedSauveClick() {
  FileRequest request;
  request.save = true;
  request.title = QStringLiteral("Enregistrer le vorel dans un fichier texte");
  request.filter = kFilter;
  request.defaultSuffix = kDefaultSuffix;
  request.initialPath = QString::fromStdString(nomFichier_);
  request.helpContext = 7;
  const auto chosen = GetFileName(this, request);
  if (!chosen) return;
  nomFichier_ = chosen->toStdString();
  setWindowTitle(FilePart(nomFichier_));
  const std::string rtf = WriteRtf(Content());
  switch (ReplaceFileContents(nomFichier_, rtf)) {
    case SaveStatus::Ok:
      break;
    case SaveStatus::CannotCreate:
      throw Error(FormatMessage("Impossible de créer le fichier %s", nomFichier_));
    case SaveStatus::WriteFailed:
      throw Error("Erreur à l'enregistrement de flux");
  }
  Memo->document()->setModified(false);
}

void TAnalyseChild::OpenBtnClick() {
  if (Modified() && !AskSave()) return;
  FileRequest request;
  request.title = QStringLiteral("Ouvrir un fichier texte");
  request.filter = kFilter;
  request.defaultSuffix = kDefaultSuffix;
  request.initialPath = lastOpened_;
  request.helpContext = 0;
  const auto chosen = GetFileName(this, request);
  if (!chosen) return;
  lastOpened_ = *chosen;
  nomFichier_ = chosen->toStdString();
  setWindowTitle(FilePart(nomFichier_));
  LoadFile(nomFichier_);
  Memo->document()->setModified(false);
  show();
  raise();
  activateWindow();
}

void TAnalyseChild::LoadFile(const std::string& path) {
  std::string bytes;
  switch (ReadFileContents(path, bytes, kMaxReportFileSize)) {
    case ReadStatus::Ok:
      break;
    case ReadStatus::CannotOpen:
      throw Error(FormatMessage("Impossible d'ouvrir le fichier %s", path));
    case ReadStatus::ReadFailed:
      throw Error("Erreur au chargement de flux");
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::optional<RichDocument> document = ReadRtf(bytes);
  if (!document) {
    CharFormat base;  // the window's own font
    document = ReadPlainText(bytes, base);
  }
  Memo->clear();
  LoadDocument(*document, *Memo->document());
  QTextCursor cursor = Memo->textCursor();
  cursor.movePosition(QTextCursor::Start);
  Memo->setTextCursor(cursor);
  QApplication::restoreOverrideCursor();
}

int TAnalyseChild::PrintCopies(QPrinter& printer, int copies) {
  // We make the copies ourselves, each from a new page, so the printer must not repeat them.
  printer.setCopyCount(1);
  printer.setFullPage(false);
  QPainter painter;
  if (!painter.begin(&printer)) throw Error("Impossible d'imprimer le vorel");
  const std::unique_ptr<QTextDocument> doc = LayOutForDevice(*Memo->document(), *painter.device());
  const QRectF page(0, 0, painter.device()->width(), painter.device()->height());
  const int pages = doc->pageCount();
  int printed = 0;
  for (int copy = 0; copy < copies; ++copy) {
    for (int p = 0; p < pages; ++p) {
      if (printed > 0) printer.newPage();
      painter.save();
      painter.translate(0, -p * page.height());
      doc->drawContents(&painter, page.translated(0, p * page.height()));
      painter.restore();
      ++printed;
    }
  }
  painter.end();
  return printed;
}

void TAnalyseChild::Imprimer1Click() {
  QPrinter printer(QPrinter::HighResolution);
  const auto copies = RunPrintDialog(this, printer, 8);
  if (!copies) return;
  printer.setDocName(windowTitle().left(31));
  PrintCopies(printer, std::max(1, *copies));
}

void TAnalyseChild::Copier1Click() {
  QTextCursor cursor = Memo->textCursor();
  if (!cursor.hasSelection()) {
    cursor.select(QTextCursor::Document);
    Memo->setTextCursor(cursor);
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
  Memo->setTextCursor(cursor);
  Memo->ensureCursorVisible();
}

bool TAnalyseChild::FormCloseQuery() {
  return !Modified() || AskSave();
}

void TAnalyseChild::closeEvent(QCloseEvent* event) {
  bool mayClose = false;
  RunGuarded([&] { mayClose = FormCloseQuery(); });
  // Closing only hides the window: its text, file name and flag stay.
  if (mayClose)
    event->accept();
  else
    event->ignore();
}

}  // namespace vorel
