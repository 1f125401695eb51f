// TAnalyseChild.
#include "reportwin/Analwin.h"

namespace vorel {

TAnalyseChild::TAnalyseChild() : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("AnalyseChild"));
  setGeometry(231, 225, 600, 300);
}

void TAnalyseChild::FormCreate() {}

void TAnalyseChild::OpenBtnClick() {}

}  // namespace vorel
