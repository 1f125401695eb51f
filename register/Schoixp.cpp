// TChoixP.
#include "register/Schoixp.h"

namespace vorel {

TChoixP::TChoixP() {
  setObjectName(QStringLiteral("ChoixP"));
  setWindowTitle(QStringLiteral("Choix d'une personne"));
  setFixedSize(464, 369);
}

}  // namespace vorel
