// The optional picture LOGICIEL.BMP, shown after the logo.
#pragma once

#include "gui/PictureWindow.h"

namespace vorel {

class SplashWindow : public PictureWindow {
  Q_OBJECT

 public:
  SplashWindow();

  // False when the file cannot be read as a picture.
  bool loadPicture(const QString& path);
};

}  // namespace vorel
