// The help window.
#include "gui/HelpWindow.h"

#include <QApplication>
#include <QEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "base/FileIO.h"
#include "gui/DialogLook.h"

namespace vorel {
namespace {

// The help document is a few tens of kilobytes; a larger file is not it.
constexpr size_t kMaxHelpFileSize = size_t{16} << 20;

}  // namespace

HelpWindow::HelpWindow(QString helpFile, QWidget* parent)
    : QWidget(parent, Qt::Window), helpFile_(std::move(helpFile)), browser_(new QTextBrowser) {
  setObjectName(QStringLiteral("helpWindow"));
  setWindowTitle(QStringLiteral("Aide de Vorel"));
  resize(640, 560);
  browser_->setObjectName(QStringLiteral("helpText"));
  browser_->setAccessibleName(QStringLiteral("Aide de Vorel"));
  browser_->setOpenExternalLinks(true);
  // The help is dark on white in any theme, as its styles say; so is the page around it.
  QPalette page = browser_->palette();
  page.setColor(QPalette::Base, Qt::white);
  page.setColor(QPalette::Text, Qt::black);
  browser_->setPalette(page);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  // The help key here, as in every other window, goes to the topic of the program's windows.
  InstallHelpKey(*this, [this] { showTopic(HelpTopic::Main); });
  auto* escape = new QShortcut(QKeySequence::Cancel, this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::present() {
  // A modal dialog blocks every window but its own.
  QWidget* modal = QApplication::activeModalWidget();
  belongTo(modal && modal != this ? modal->window() : nullptr);
  show();
  raise();
  activateWindow();
}

void HelpWindow::belongTo(QWidget* owner) {
  if (owner == owner_) return;
  if (owner_) owner_->removeEventFilter(this);
  const QRect where = geometry();
  const bool shown = isVisible();
  const bool placed = testAttribute(Qt::WA_Moved);
  setParent(owner, windowFlags());
  if (placed) setGeometry(where);
  owner_ = owner;
  if (owner_) owner_->installEventFilter(this);
  if (shown) show();
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  // The dialog is closing, and would take the help with it: the help stays, a window of its
  // own or of the dialog under it. Its children are hidden right after this event, and
  // destroyed with it.
  if (watched == owner_ && event->type() == QEvent::Hide) {
    QWidget* modal = QApplication::activeModalWidget();
    belongTo(modal && modal != owner_ && modal != this ? modal->window() : nullptr);
  }
  return QWidget::eventFilter(watched, event);
}

bool HelpWindow::load() {
  // Read anew each time: the file may have been installed or fixed meanwhile.
  const Result<FileContents, FileError> file = ReadFile(helpFile_.toStdString(), kMaxHelpFileSize);
  loaded_ = file.ok();
  if (loaded_)
    browser_->setHtml(QString::fromUtf8(file.value.bytes.data(),
                                        static_cast<qsizetype>(file.value.bytes.size())));
  else
    browser_->setHtml(
        QStringLiteral("<h2>Aide indisponible</h2><p>Le fichier d'aide <b>%1</b> est introuvable "
                       "ou illisible.</p><p>Réinstallez Vorel pour le retrouver à côté du "
                       "programme.</p>")
            .arg(helpFile_.toHtmlEscaped()));
  return loaded_;
}

void HelpWindow::showContents() {
  load();
  browser_->verticalScrollBar()->setValue(0);
  present();
}

void HelpWindow::showTopic(HelpTopic topic) {
  const bool loaded = load();
  present();
  if (loaded) browser_->scrollToAnchor(QStringLiteral("topic-%1").arg(static_cast<int>(topic)));
}

}  // namespace vorel
