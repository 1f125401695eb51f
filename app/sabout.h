// TAboutBox: the about dialog.
#pragma once

#include <QDialog>

namespace vorel {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  TAboutBox();
};

}  // namespace vorel
