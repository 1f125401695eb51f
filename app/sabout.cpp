// TAboutBox.
#include "app/sabout.h"

namespace vorel {

TAboutBox::TAboutBox() {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("A propos"));
  setFixedSize(298, 221);
}

}  // namespace vorel
