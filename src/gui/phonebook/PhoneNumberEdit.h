#pragma once

#include <QLineEdit>

// The number field: typing lets through only what a handset can dial, 0-9, P, * and #, and
// backspace. Keys that move or delete are not filtered. Pasting from the menu or with
// Shift+Insert is not filtered either; the packing of the number skips what it cannot store.
class PhoneNumberEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    static bool IsDialCharacter(QChar c);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
