// TAboutBox: which program and version is running, and the publisher's link.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace vorel {

class TUrlLabel;

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  TAboutBox();

  QFrame* Panel1;
  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Version;
  QLabel* Copyright;
  QLabel* Comments;
  TUrlLabel* UrlLabel1;
  QPushButton* OKButton;
};

}  // namespace vorel
