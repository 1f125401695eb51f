// The about dialog.
#include "gui/AboutBox.h"

#include <qdrawutil.h>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <climits>

#include "gui/DialogLook.h"
#include "gui/Layouts.h"
#include "gui/UrlLabel.h"
#include "report/Publisher.h"

namespace vorel {
namespace {

// A panel with a lowered outer bevel and a raised inner one.
class BevelPanel : public QFrame {
 public:
  explicit BevelPanel(QWidget* parent) : QFrame(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect r = rect();
    qDrawShadeRect(&painter, r, palette(), true, 1);
    qDrawShadeRect(&painter, r.adjusted(1, 1, -1, -1), palette(), false, 1);
  }
};

}  // namespace

AboutBox::AboutBox(Desktop& desktop)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("aboutBox"));
  setWindowTitle(QStringLiteral("A propos"));
  setFixedSize(kAboutBoxLayout.client);
  setFont(DialogFont(false));

  auto* panel = new BevelPanel(this);
  panel->setObjectName(QStringLiteral("panel"));

  auto* icon = new QLabel(panel);
  icon->setObjectName(QStringLiteral("programIcon"));
  icon->setPixmap(QPixmap(QStringLiteral(":/vorel/icon.png")));
  icon->setScaledContents(true);
  icon->setAccessibleName(QStringLiteral("Icône de Vorel"));

  QLabel* product = MakeLabel(panel, "productName", QStringLiteral("Vorel"));
  product->setFont(DialogFont(true));
  SetTextColour(product, Qt::black);

  // The version is defined once, by the build; the word size is that of this build.
  MakeLabel(panel, "version",
            QStringLiteral("Version %1 - %2 bits")
                .arg(QString::fromLatin1(VOREL_VERSION))
                .arg(sizeof(void*) * CHAR_BIT));
  MakeLabel(panel, "authorship", QStringLiteral("Conçu et édité par l'Atelier Vorel, 1997-2026"));

  auto* comments = new QLabel(QStringLiteral("pour Linux"), panel);
  comments->setObjectName(QStringLiteral("comments"));
  comments->setWordWrap(true);

  auto* link = new UrlLabel(desktop, panel);
  link->setObjectName(QStringLiteral("link"));
  QFont linkFont(QStringLiteral("Arial"));
  linkFont.setPixelSize(19);
  linkFont.setUnderline(true);
  link->setFont(linkFont);
  link->setText(QString::fromLatin1(kPublisherHost));
  link->setUrl(QString::fromLatin1(kPublisherUrl));
  link->setCursor(Qt::PointingHandCursor);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  ApplyLayout(*this, kAboutBoxLayout);
  // The focus starts on OK, so that Enter closes; Tab goes on to the link.
  ok->setFocus();
  InstallHelpKey(*this, desktop);
  KeepCentredOnScreen(*this);
}

}  // namespace vorel
