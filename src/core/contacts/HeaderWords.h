#pragma once

#include <QString>

// What a column's header says it holds, in the words that contact programs write in English,
// German, French, Spanish, Italian, Dutch and Portuguese exports ("Vorname", "Prénom",
// "Nombre", "Nome", "Voornaam", ...). The words live in one table in HeaderWords.cpp.
namespace HeaderWords {

enum class Kind {
    kOther,
    kFirstName,
    kLastName,
    kName,          // a name that is neither first nor last: "Name", "Full Name", "Nickname"
    kPhone,
    kMobilePhone,
    kPhoneKind,     // the type or label of a number beside it ("Phone 1 - Type"): never a number
    kFax,           // a fax or a pager: a number that is never dialled
    kOrganisation,
    kCategories,
};

Kind Classify(const QString& header);
// A pager's number column ("Pager", "Pager Phone", "Piepser").
bool IsPager(const QString& header);

// A number column that rarely holds the contact's own number: an assistant's, a callback, a
// car's, the company's switchboard, a radio, telex, TTY or ISDN number. Taken last.
bool IsSecondaryPhone(const QString& header);

}  // namespace HeaderWords
