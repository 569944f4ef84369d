#include "core/contacts/DialNumber.h"

#include "core/phonebook/PhonebookLimits.h"

#include <QRegularExpression>

namespace {

// Far longer than any written number with its extension; the rest of a cell is not looked at.
constexpr qsizetype kLongestCell = 256;

// Google joins the numbers of one label with " ::: ".
constexpr QStringView kValueSeparator = u":::";

// "+49 (0)30 ...": the "(0)" is dialled only from inside the country. Matched after the "+".
const QRegularExpression& TrunkZero()
{
    static const QRegularExpression re(QStringLiteral(R"(^\s*(\d{1,3})[\s.\-)\]]*\(\s*0\s*\))"));
    return re;
}

// Phones wrap numbers in direction marks so that they read right in right-to-left text.
bool IsDirectionMark(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

// Where the "+" of an international number is: first, but for spaces and an opening bracket
// ("(+44) 20 ..."); -1 when there is none.
qsizetype InternationalPlus(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'+')
            return i;
        if (!text[i].isSpace() && text[i] != u'(' && text[i] != u'[')
            return -1;
    }
    return -1;
}

// The word before an extension, not inside a longer word, with digits after it.
const QRegularExpression& ExtensionMark()
{
    static const QRegularExpression re(QStringLiteral(R"((?<![a-z])(?:extension|durchwahl|ext\.?|x)(?![a-z])\s*[:.=]?\s*(?=\d))"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

// Digits as the handset has them: full-width forms (＋４９) and the decimal digits of other
// scripts (٤٩) become ASCII; circled or fractional numbers (①, ½) are no digits.
QString WithAsciiDigits(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            out += QChar(static_cast<char16_t>(u - 0xFEE0));
        else if (c.category() == QChar::Number_DecimalDigit)
            out += QChar(static_cast<char16_t>(u'0' + c.digitValue()));
        else
            out += c;
    }
    return out;
}

// The dial characters of `text`. A "p" or "w" between digits is a pause (phones write the
// pause and the wait so); only the handset's "P" is kept, and a "p" at the end means nothing.
void AppendDialCharacters(QStringView text, std::string& out, bool& rewritten)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if ((u >= u'0' && u <= u'9') || u == u'#' || u == u'*' || u == u'P') {
            out += static_cast<char>(u);
        } else if ((u == u'p' || u == u'w' || u == u'W') && !out.empty() && i + 1 < text.size() &&
                   text.sliced(i + 1).trimmed().size() > 0 && text.sliced(i + 1).trimmed().front().isDigit()) {
            out += 'P';
            rewritten = true;
        }
    }
}

}  // namespace

DialNumber DialNumber::FromCell(QStringView cell, QStringView internationalPrefix)
{
    QStringView first;
    for (QStringView value : cell.tokenize(kValueSeparator)) {
        first = value.trimmed();
        if (!first.isEmpty())
            break;
    }

    QString text = WithAsciiDigits(first.left(kLongestCell));
    text.removeIf(IsDirectionMark);
    bool international = false;
    if (const qsizetype plus = InternationalPlus(text); plus >= 0) {
        international = true;
        text.remove(0, plus + 1);
        if (const QRegularExpressionMatch m = TrunkZero().match(text); m.hasMatch())
            text.replace(0, m.capturedLength(), m.captured(1));
    }
    QStringView main = text;
    QStringView extension;
    if (const QRegularExpressionMatch m = ExtensionMark().match(text); m.hasMatch() && m.capturedStart() > 0) {
        main = QStringView(text).first(m.capturedStart());
        extension = QStringView(text).sliced(m.capturedEnd());
    }

    DialNumber number;
    std::string dialled;
    bool paused = false;
    AppendDialCharacters(main, dialled, paused);
    // A cell with nothing to dial stays empty, whatever marks it has.
    if (dialled.empty())
        return number;
    bool ignored = false;
    if (international) {
        AppendDialCharacters(internationalPrefix, number.digits, ignored);
        number.rewritten = true;
    }
    number.digits += dialled;
    number.rewritten = number.rewritten || paused;
    if (!extension.isEmpty()) {
        number.digits += 'P';
        AppendDialCharacters(extension, number.digits, ignored);
        number.rewritten = true;
    }
    number.digits = FitNumber(number.digits);
    return number;
}
