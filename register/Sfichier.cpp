// TFichier.
#include "register/Sfichier.h"

#include "app/Main.h"

namespace vorel {

TFichier::TFichier(TMainForm* mainForm) : mainForm_(mainForm) {
  setObjectName(QStringLiteral("Fichier"));
  setWindowTitle(QStringLiteral("Fichier des noms et des dates de naissance "));
  setFixedSize(592, 372);
}

void TFichier::SetPeers(TSaisie* saisie) { saisie_ = saisie; }

void TFichier::FormCreate() {}

}  // namespace vorel
