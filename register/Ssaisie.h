// TSaisie: the person entry dialog.
#pragma once

#include <QDialog>

namespace vorel {

class TSaisie : public QDialog {
  Q_OBJECT

 public:
  TSaisie();
};

}  // namespace vorel
