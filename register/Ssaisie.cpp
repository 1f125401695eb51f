// TSaisie and its name field.
#include "register/Ssaisie.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <limits>

#include "platform/Cp1252.h"
#include "platform/Error.h"
#include "platform/Guard.h"
#include "register/DateText.h"
#include "register/DialogLook.h"

namespace vorel {
namespace {

// Text that arrives as a block: what the key filter keeps, a backspace included, is not
// something a block of text can hold.
QString FilterText(const QString& text) {
  QString kept;
  kept.reserve(text.size());
  for (QChar c : text) {
    if (c == QChar(8)) continue;
    TSaisie::NomEditKeyPress(c);
    if (!c.isNull()) kept.append(c);
  }
  return kept;
}

// Field value as the date check reads it: empty is 0.
int FieldValue(const QLineEdit& field) {
  const QString text = field.text();
  if (text.isEmpty()) return 0;
  if (const auto value = TextToInteger(text)) return *value;
  throw Error(FormatMessage("'%s' n'est pas une valeur entière correcte", text.toStdString()));
}

QLineEdit* MakeDateField(QWidget* parent, const char* name, const QRect& place, int maxLength,
                         const QString& tip) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setGeometry(place);
  field->setFont(DialogFont(false));
  field->setMaxLength(maxLength);
  field->setToolTip(tip);
  SetBackground(field, QColor(255, 255, 0));
  return field;
}

}  // namespace

std::optional<int> TextToInteger(const QString& text) {
  qsizetype pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
    negative = text[pos] == u'-';
    ++pos;
  }
  if (pos == text.size()) return std::nullopt;
  long long value = 0;
  for (; pos < text.size(); ++pos) {
    const char16_t c = text[pos].unicode();
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c - u'0');
    if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(value);
}

NameEdit::NameEdit(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(kMaxLength);
  connect(this, &QLineEdit::textChanged, this, &NameEdit::ShowInCapitals);
}

void NameEdit::ShowInCapitals() {
  // Only text set by the program can hold small letters here. A capital the file's code page
  // lacks (or that is two letters, like that of ß) would not survive a save: keep those as
  // they are.
  QString capitals = text();
  for (QChar& c : capitals) {
    const QChar upper = c.toUpper();
    if (upper != c && UnicodeToCp1252(upper.unicode())) c = upper;
  }
  if (capitals != text()) setText(capitals);
}

void NameEdit::InsertFiltered(const QString& text) {
  if (isReadOnly()) return;
  insert(FilterText(text));
}

QMenu* NameEdit::CreateContextMenu() {
  QMenu* menu = createStandardContextMenu();
  // The toolkit names its paste entry with this same translation, shortcut appended.
  const QString pasteText = QCoreApplication::translate("QLineEdit", "&Paste");
  for (QAction* action : menu->actions()) {
    if (!action->text().startsWith(pasteText)) continue;
    action->disconnect(this);
    connect(action, &QAction::triggered, this,
            [this] { InsertFiltered(QGuiApplication::clipboard()->text()); });
  }
  return menu;
}

void NameEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    InsertFiltered(QGuiApplication::clipboard()->text());
    event->accept();
    return;
  }
  const QString text = event->text();
  const bool typed = !text.isEmpty() && text.front().isPrint() &&
                     !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
  if (!typed) {
    // Backspace, Enter, Escape, moves and editing shortcuts keep their usual meaning.
    QLineEdit::keyPressEvent(event);
    return;
  }
  const QString kept = FilterText(text);
  if (kept.isEmpty()) {
    event->accept();
    return;
  }
  QKeyEvent filtered(event->type(), event->key(), event->modifiers(), kept, event->isAutoRepeat(),
                     static_cast<quint16>(event->count()));
  QLineEdit::keyPressEvent(&filtered);
  event->setAccepted(filtered.isAccepted());
}

void NameEdit::inputMethodEvent(QInputMethodEvent* event) {
  const QString kept = FilterText(event->commitString());
  if (kept == event->commitString()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&filtered);
  event->setAccepted(filtered.isAccepted());
}

void NameEdit::dropEvent(QDropEvent* event) {
  if (!event->mimeData()->hasText()) {
    QLineEdit::dropEvent(event);
    return;
  }
  QMimeData kept;
  kept.setText(FilterText(event->mimeData()->text()));
  QDropEvent filtered(event->position(), event->possibleActions(), &kept, event->buttons(),
                      event->modifiers(), event->type());
  filtered.setDropAction(event->dropAction());
  QLineEdit::dropEvent(&filtered);
  event->setDropAction(filtered.dropAction());
  event->setAccepted(filtered.isAccepted());
}

void NameEdit::mouseReleaseEvent(QMouseEvent* event) {
  // The middle button pastes the selection where the desktop has one.
  if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
      !isReadOnly()) {
    deselect();
    InsertFiltered(QGuiApplication::clipboard()->text(QClipboard::Selection));
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void NameEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = CreateContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

TSaisie::TSaisie() {
  SetUpFixedDialog(*this, "Saisie", QStringLiteral("Ajouter"), 317, 176);

  Bevel1 = MakeBevel(this, QRect(8, 8, 300, 121));
  Label1 = MakeLabel(this, "Label1", QStringLiteral("Nom et prénom(s)"), 24, 24);
  NomEdit = new NameEdit(this);
  NomEdit->setObjectName(QStringLiteral("NomEdit"));
  NomEdit->setGeometry(24, 40, 273, 20);
  NomEdit->setFont(DialogFont(false));
  SetBackground(NomEdit, QColor(0, 255, 0));
  Label2 = MakeLabel(this, "Label2", QStringLiteral("Date de naissance"), 24, 72);
  JourEdit = MakeDateField(this, "JourEdit", QRect(24, 88, 25, 20), 2, QStringLiteral("Jour"));
  MoisEdit = MakeDateField(this, "MoisEdit", QRect(48, 88, 25, 20), 2, QStringLiteral("Mois"));
  AnneeEdit = MakeDateField(this, "AnneeEdit", QRect(72, 88, 41, 20), 4, QStringLiteral("Année"));
  OKBtn = MakeButton(this, "OKBtn", QStringLiteral("OK"), QRect(136, 138, 77, 27),
                     QStringLiteral("ok"));
  OKBtn->setDefault(true);
  BitBtn1 = MakeButton(this, "BitBtn1", QStringLiteral("Annuler"), QRect(231, 138, 77, 27),
                       QStringLiteral("annuler"));
  // Enter runs the date check wherever the focus is.
  BitBtn1->setAutoDefault(false);

  setTabOrder(OKBtn, NomEdit);
  setTabOrder(NomEdit, JourEdit);
  setTabOrder(JourEdit, MoisEdit);
  setTabOrder(MoisEdit, AnneeEdit);
  setTabOrder(AnneeEdit, BitBtn1);

  connect(OKBtn, &QPushButton::clicked, this, Guarded([this] { OKBtnClick(); }));
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TSaisie::NomEditKeyPress(QChar& key) {
  const char16_t c = key.unicode();
  if (c >= u'a' && c <= u'z')
    key = QChar(static_cast<char16_t>(c - u'a' + u'A'));
  else if (!(c == u' ' || c == 8 || (c >= u'A' && c <= u'Z')))
    key = QChar();
}

void TSaisie::OKBtnClick() {
  // Year, then month, then day: the first field that is not a number is the one reported.
  const int year = FieldValue(*AnneeEdit);
  const int month = FieldValue(*MoisEdit);
  const int day = FieldValue(*JourEdit);
  if (!IsValidDate(year, month, day)) {
    ShowWarning(QStringLiteral("Date incorrecte."));
    JourEdit->setFocus();
    return;
  }
  accept();
}

}  // namespace vorel
