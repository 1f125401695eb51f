// The maker's logo, shown while the program creates its windows.
#pragma once

#include "gui/PictureWindow.h"

namespace vorel {

class LogoWindow : public PictureWindow {
  Q_OBJECT

 public:
  LogoWindow();
};

}  // namespace vorel
