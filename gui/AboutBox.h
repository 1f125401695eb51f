// Which program and version is running, and the publisher's link.
#pragma once

#include <QDialog>

namespace vorel {

class Desktop;

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(Desktop& desktop);
};

}  // namespace vorel
