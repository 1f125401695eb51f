// The help window.
#include "gui/HelpWindow.h"

#include <QFileInfo>
#include <QScrollBar>
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
  setWindowTitle(QStringLiteral("Aide de Vorel"));
  resize(640, 560);
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  InstallHelpKey(*this);
}

bool HelpWindow::Load() {
  // Read anew each time: the file may have been installed or fixed meanwhile.
  std::string bytes;
  loaded_ = true;
  try {
    ReadFileContents(helpFile_.toStdString(), bytes, kMaxHelpFileSize);
  } catch (const FileError&) {
    loaded_ = false;
  }
  if (loaded_) {
    browser_->setHtml(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
    loaded_ = true;
  } else {
    browser_->setHtml(
        QStringLiteral("<h2>Aide indisponible</h2><p>Le fichier d'aide <b>%1</b> est introuvable "
                       "ou illisible.</p><p>Réinstallez Vorel pour le retrouver à côté du "
                       "programme.</p>")
            .arg(helpFile_.toHtmlEscaped()));
    loaded_ = false;
  }
  return loaded_;
}

void HelpWindow::ShowContents() {
  Load();
  browser_->verticalScrollBar()->setValue(0);
  show();
  raise();
  activateWindow();
}

void HelpWindow::ShowTopic(int topic) {
  const bool loaded = Load();
  show();
  raise();
  activateWindow();
  if (loaded) browser_->scrollToAnchor(QStringLiteral("topic-%1").arg(topic));
}

}  // namespace vorel
