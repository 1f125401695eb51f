// TSplash: the optional picture LOGICIEL.BMP, shown after the logo.
#pragma once

#include <QWidget>

class QLabel;

namespace vorel {

class TSleeper;

class TSplash : public QWidget {
  Q_OBJECT

 public:
  TSplash();

  // False when the file cannot be read as a picture.
  bool LoadPicture(const QString& path);

  QLabel* Image;
  TSleeper* Sleeper;

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace vorel
