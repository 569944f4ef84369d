#pragma once

#include <QByteArrayView>
#include <QStringList>

#include <vector>

// Turns a vCard file (versions 2.1, 3.0 and 4.0) into the columns the import wizard maps, one
// row per card: "Name" (the given and family names joined by a space, else the formatted name,
// else the organisation), "Phone" (the number marked preferred, else the mobile number, else
// the first), then the card's other numbers in columns named after their type ("Home Phone",
// "Work Phone", ...).
//
// Folded lines are unfolded, quoted-printable values decoded (soft line breaks included), and
// CHARSET= honoured; text without a charset is UTF-8 when the whole file is, else
// Windows-1252. Numbers may be plain or tel: addresses.
class VCardReader {
public:
    static const QString kNameHeader;
    static const QString kPhoneHeader;

    // False when the bytes hold no card at all.
    bool Read(QByteArrayView bytes);
    const QStringList& Headers() const { return m_headers; }
    const std::vector<QStringList>& Rows() const { return m_rows; }

private:
    QStringList m_headers;
    std::vector<QStringList> m_rows;
};
