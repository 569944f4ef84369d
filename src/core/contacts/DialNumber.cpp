#include "core/contacts/DialNumber.h"

#include "core/phonebook/PhonebookLimits.h"

#include <QRegularExpression>

namespace {

// Google joins the numbers of one label with " ::: ".
constexpr QStringView kValueSeparator = u":::";

// "+49 (0)30 ...": the "(0)" is dialled only from inside the country.
const QRegularExpression& TrunkZero()
{
    static const QRegularExpression re(QStringLiteral(R"(^\+\s*(\d{1,3})[\s.\-]*\(\s*0\s*\))"));
    return re;
}

// The word before an extension, not inside a longer word, with digits after it.
const QRegularExpression& ExtensionMark()
{
    static const QRegularExpression re(QStringLiteral(R"((?<![a-z])(?:extension|durchwahl|ext\.?|x)(?![a-z])\s*[:.]?\s*(?=\d))"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

void AppendDialCharacters(QStringView text, std::string& out)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= u'0' && u <= u'9') || u == u'#' || u == u'*' || u == u'P')
            out += static_cast<char>(u);
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

    QString text = first.toString();
    bool international = false;
    if (text.startsWith(u'+')) {
        international = true;
        if (const QRegularExpressionMatch m = TrunkZero().match(text); m.hasMatch())
            text.replace(0, m.capturedLength(), m.captured(1));
        else
            text.remove(0, 1);
    }
    QStringView main = text;
    QStringView extension;
    if (const QRegularExpressionMatch m = ExtensionMark().match(text); m.hasMatch() && m.capturedStart() > 0) {
        main = QStringView(text).first(m.capturedStart());
        extension = QStringView(text).sliced(m.capturedEnd());
    }

    DialNumber number;
    std::string dialled;
    AppendDialCharacters(main, dialled);
    // A cell with nothing to dial stays empty, whatever marks it has.
    if (dialled.empty())
        return number;
    if (international) {
        AppendDialCharacters(internationalPrefix, number.digits);
        number.rewritten = true;
    }
    number.digits += dialled;
    if (!extension.isEmpty()) {
        number.digits += 'P';
        AppendDialCharacters(extension, number.digits);
        number.rewritten = true;
    }
    number.digits = FitNumber(number.digits);
    return number;
}
