#include "gui/phonebook/PhoneNumberEdit.h"

#include <QKeyEvent>

bool PhoneNumberEdit::IsDialCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'P' || c == u'*' || c == u'#';
}

void PhoneNumberEdit::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    // Ctrl+C, X, V and Z reach a Windows edit as control characters, which this field drops.
    if (mods == Qt::ControlModifier &&
        (event->key() == Qt::Key_C || event->key() == Qt::Key_X || event->key() == Qt::Key_V || event->key() == Qt::Key_Z)) {
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool typesCharacter = mods == Qt::NoModifier && !text.isEmpty() && text.at(0).isPrint();
    if (typesCharacter && !(text.size() == 1 && IsDialCharacter(text.at(0)))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
