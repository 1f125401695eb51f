// The person entry dialog.
#include "gui/PersonEntryDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/Error.h"
#include "base/IntegerText.h"
#include "gui/Desktop.h"
#include "gui/DialogLook.h"
#include "gui/Guard.h"
#include "gui/Layouts.h"
#include "gui/NameEdit.h"
#include "numerology/DateText.h"

namespace vorel {
namespace {

// Field value as the date check reads it: empty is 0.
int FieldValue(const QLineEdit& field) {
  const QString text = field.text();
  if (text.isEmpty()) return 0;
  if (const auto value = TextToInteger(text.toStdString())) return *value;
  throw Error(FormatMessage("'%s' n'est pas une valeur entière correcte", text.toStdString()));
}

QLineEdit* MakeDateField(QWidget* parent, const char* name, int maxLength, const QString& tip) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setFont(DialogFont(false));
  field->setMaxLength(maxLength);
  field->setToolTip(tip);
  // The label above names the three fields together; each is named by its tip.
  field->setAccessibleName(tip);
  SetBackground(field, QColor(255, 255, 0));
  return field;
}

}  // namespace

PersonEntryDialog::PersonEntryDialog(Desktop& desktop) : desktop_(desktop) {
  SetUpFixedDialog(*this, desktop_, "personEntry", QStringLiteral("Ajouter"),
                   kPersonEntryLayout.client);

  MakeBevel(this);
  QLabel* nameLabel = MakeLabel(this, "nameLabel", QStringLiteral("Nom et prénom(s)"));
  nameEdit_ = new NameEdit(this);
  nameEdit_->setObjectName(QStringLiteral("nameEdit"));
  nameEdit_->setFont(DialogFont(false));
  SetBackground(nameEdit_, QColor(0, 255, 0));
  QLabel* dateLabel = MakeLabel(this, "dateLabel", QStringLiteral("Date de naissance"));
  dayEdit_ = MakeDateField(this, "dayEdit", 2, QStringLiteral("Jour"));
  monthEdit_ = MakeDateField(this, "monthEdit", 2, QStringLiteral("Mois"));
  yearEdit_ = MakeDateField(this, "yearEdit", 4, QStringLiteral("Année"));
  // Tied to their fields, the labels name them for a screen reader.
  nameLabel->setBuddy(nameEdit_);
  dateLabel->setBuddy(dayEdit_);
  QPushButton* ok = MakeButton(this, "okButton", QStringLiteral("OK"), QStringLiteral("ok"));
  ok->setDefault(true);
  QPushButton* cancel =
      MakeButton(this, "cancelButton", QStringLiteral("Annuler"), QStringLiteral("annuler"));
  // Enter runs the date check wherever the focus is.
  cancel->setAutoDefault(false);
  ApplyLayout(*this, kPersonEntryLayout);

  connect(ok, &QPushButton::clicked, this, Guarded(desktop_, [this] { confirm(); }));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void PersonEntryDialog::prepare(const QString& caption, const QString& name, const QString& day,
                                const QString& month, const QString& year) {
  setWindowTitle(caption);
  nameEdit_->setText(name);
  dayEdit_->setText(day);
  monthEdit_->setText(month);
  yearEdit_->setText(year);
  nameEdit_->setFocus();
}

QString PersonEntryDialog::name() const {
  return nameEdit_->text();
}

QString PersonEntryDialog::dayText() const {
  return dayEdit_->text();
}

QString PersonEntryDialog::monthText() const {
  return monthEdit_->text();
}

QString PersonEntryDialog::yearText() const {
  return yearEdit_->text();
}

void PersonEntryDialog::confirm() {
  // Year, then month, then day: the first field that is not a number is the one reported.
  const int year = FieldValue(*yearEdit_);
  const int month = FieldValue(*monthEdit_);
  const int day = FieldValue(*dayEdit_);
  if (!IsValidDate(year, month, day)) {
    desktop_.showWarning(QStringLiteral("Date incorrecte."));
    dayEdit_->setFocus();
    return;
  }
  accept();
}

}  // namespace vorel
