// The name field.
#include "gui/NameEdit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include "base/Cp1252.h"
#include "register/PersonName.h"

namespace vorel {
namespace {

// Text that arrives as a block: what the key filter keeps, a backspace included, is not
// something a block of text can hold.
QString FilterText(const QString& text) {
  QString kept;
  kept.reserve(text.size());
  for (QChar c : text)
    if (c != QChar(8)) kept += NameEdit::filterKey(c);
  return kept;
}

}  // namespace

QString NameEdit::filterKey(QChar key) {
  // Spaces stay exactly as typed: the entry never joins or trims them.
  if (key == QChar(' ') || key == QChar(8)) return QString(key);
  const std::string_view letters = PersonNameLetters(key.unicode());
  return QString::fromLatin1(letters.data(), static_cast<qsizetype>(letters.size()));
}

NameEdit::NameEdit(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(kMaxLength);
  connect(this, &QLineEdit::textChanged, this, &NameEdit::showInCapitals);
}

void NameEdit::showInCapitals() {
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

void NameEdit::insertFiltered(const QString& text) {
  if (isReadOnly()) return;
  insert(FilterText(text));
}

QMenu* NameEdit::createContextMenu() {
  QMenu* menu = createStandardContextMenu();
  // The toolkit names its paste entry with this same translation, shortcut appended.
  const QString pasteText = QCoreApplication::translate("QLineEdit", "&Paste");
  for (QAction* action : menu->actions()) {
    if (!action->text().startsWith(pasteText)) continue;
    action->disconnect(this);
    connect(action, &QAction::triggered, this,
            [this] { insertFiltered(QGuiApplication::clipboard()->text()); });
  }
  return menu;
}

void NameEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    insertFiltered(QGuiApplication::clipboard()->text());
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
    insertFiltered(QGuiApplication::clipboard()->text(QClipboard::Selection));
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void NameEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

}  // namespace vorel
