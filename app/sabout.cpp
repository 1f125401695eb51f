// TAboutBox.
#include "app/sabout.h"

#include <qdrawutil.h>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "app/UrlLabel.h"
#include "register/DialogLook.h"
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

TAboutBox::TAboutBox()
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("A propos"));
  setFixedSize(298, 221);
  setFont(DialogFont(false));

  Panel1 = new BevelPanel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(8, 8, 281, 169);

  ProgramIcon = new QLabel(Panel1);
  ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
  ProgramIcon->setGeometry(8, 8, 65, 57);
  ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/vorel/icon.png")));
  ProgramIcon->setScaledContents(true);

  ProductName = MakeLabel(Panel1, "ProductName", QStringLiteral("Vorel"), 88, 16);
  ProductName->setFont(DialogFont(true));
  QPalette black = ProductName->palette();
  black.setColor(QPalette::WindowText, Qt::black);
  ProductName->setPalette(black);
  ProductName->adjustSize();

  Version = MakeLabel(Panel1, "Version", QStringLiteral("Version 2.0 - 32 bits"), 88, 40);
  Copyright = MakeLabel(Panel1, "Copyright",
                        QStringLiteral("Conçu et édité par l'Atelier Vorel, 1997-2026"), 8, 80);

  Comments = new QLabel(QStringLiteral("pour Windows 95 et supérieur"), Panel1);
  Comments->setObjectName(QStringLiteral("Comments"));
  Comments->setGeometry(8, 104, 249, 17);
  Comments->setWordWrap(true);

  UrlLabel1 = new TUrlLabel(Panel1);
  UrlLabel1->setObjectName(QStringLiteral("UrlLabel1"));
  UrlLabel1->setGeometry(8, 129, 160, 22);
  QFont link(QStringLiteral("Arial"));
  link.setPixelSize(19);
  link.setUnderline(true);
  UrlLabel1->setFont(link);
  UrlLabel1->setText(QString::fromLatin1(kPublisherHost));
  UrlLabel1->SetURL(QString::fromLatin1(kPublisherUrl));
  UrlLabel1->setCursor(Qt::PointingHandCursor);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(111, 188, 75, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace vorel
