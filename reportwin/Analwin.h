// TAnalyseChild: the report window.
#pragma once

#include <QWidget>

namespace vorel {

class TAnalyseChild : public QWidget {
  Q_OBJECT

 public:
  TAnalyseChild();
  // Creation handler: placement from the settings.
  void FormCreate();
  void OpenBtnClick();
};

}  // namespace vorel
