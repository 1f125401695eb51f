// TSaisie.
#include "register/Ssaisie.h"

namespace vorel {

TSaisie::TSaisie() {
  setObjectName(QStringLiteral("Saisie"));
  setWindowTitle(QStringLiteral("Ajouter"));
  setFixedSize(317, 176);
}

}  // namespace vorel
