#pragma once

#include <QString>
#include <QStringView>

#include <string>

// A phone cell as the handset dials it: digits, '#', '*' and the pause 'P'. Written numbers
// carry more than that, and some of it changes what is dialled:
// - several values joined by " ::: " (Google's export): the first;
// - a leading "+": the international prefix;
// - "(0)" right after a country code ("+49 (0)30 ..."): dropped, as it is not dialled from abroad;
// - an extension ("ext.", "ext", "x", "extension", "Durchwahl", ";ext="): a pause, then its digits;
// - a "p" or "w" between digits (the pause and wait of phones): the pause "P";
// - full-width digits and plus signs, and the decimal digits of other scripts: ASCII ones.
// Everything else that is not a dial character is left out, a lower-case 'p' too. The result
// is cut to the 32 characters an entry keeps.
struct DialNumber {
    std::string digits;
    // True when a "+", a "(0)" or an extension was rewritten (not for the first of several
    // values, nor for spaces, dashes or brackets left out).
    bool rewritten = false;

    static DialNumber FromCell(QStringView cell, QStringView internationalPrefix = u"00");
};
