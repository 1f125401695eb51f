// The help window.
#include "gui/HelpWindow.h"

#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "base/FileIO.h"

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
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  // F1 here, as in every other window, goes to the topic of the program's windows.
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  help->setContext(Qt::WindowShortcut);
  connect(help, &QShortcut::activated, this, [this] { showTopic(HelpTopic::Main); });
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
  show();
  raise();
  activateWindow();
}

void HelpWindow::showTopic(HelpTopic topic) {
  const bool loaded = load();
  show();
  raise();
  activateWindow();
  if (loaded) browser_->scrollToAnchor(QStringLiteral("topic-%1").arg(static_cast<int>(topic)));
}

}  // namespace vorel
