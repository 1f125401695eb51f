// TChoixP: the person chooser.
#pragma once

#include <QDialog>

namespace vorel {

class TChoixP : public QDialog {
  Q_OBJECT

 public:
  TChoixP();
};

}  // namespace vorel
