#pragma once

#include <QString>
#include <QStringView>

#include <string>

// A phone cell as the handset dials it: digits, '#', '*' and the pause 'P'. Written numbers
// carry more than that, and some of it changes what is dialled:
// - several values joined by " ::: " (Google's export): the first;
// - a leading "+": the international prefix;
// - "(0)" right after a country code ("+49 (0)30 ..."): dropped, as it is not dialled from abroad;
// - an extension ("ext.", "ext", "x", "extension", "Durchwahl"): a pause, then its digits.
// Everything else that is not a dial character is left out.
struct DialNumber {
    std::string digits;
    // True when one of the changes above was made (not for spaces, dashes or brackets).
    bool rewritten = false;

    static DialNumber FromCell(QStringView cell, QStringView internationalPrefix = u"00");
};
