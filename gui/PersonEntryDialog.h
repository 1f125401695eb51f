// The person entry dialog: a name and a birth date typed as day, month and year. OK closes it
// only on a date that exists.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vorel {

class Desktop;
class NameEdit;

class PersonEntryDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PersonEntryDialog(Desktop& desktop);

  // Before a showing: the caption ("Ajouter", "Modifier") and what the fields hold; the
  // name field gets the focus.
  void prepare(const QString& caption, const QString& name = {}, const QString& day = {},
               const QString& month = {}, const QString& year = {});

  QString name() const;
  QString dayText() const;
  QString monthText() const;
  QString yearText() const;

  // Closes with OK only when day, month and year form a valid date.
  void confirm();

 private:
  Desktop& desktop_;
  NameEdit* nameEdit_;
  QLineEdit* dayEdit_;
  QLineEdit* monthEdit_;
  QLineEdit* yearEdit_;
};

}  // namespace vorel
