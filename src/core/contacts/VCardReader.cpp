#include "core/contacts/VCardReader.h"

#include "core/contacts/ContactText.h"

#include "core/common/Cp1252.h"

#include <QByteArray>
#include <QHash>

#include <optional>
#include <string_view>

const QString VCardReader::kNameHeader = QStringLiteral("Name");
const QString VCardReader::kPhoneHeader = QStringLiteral("Phone");

namespace {

// One property of a card: "[group.]NAME;PARAM=VALUE;...:value".
struct Property {
    QByteArray name;           // upper case, without its group
    QList<QByteArray> types;   // lower case, from TYPE= and from bare 2.1 parameters
    QByteArray charset;        // lower case; empty when none is given
    bool quotedPrintable = false;
    bool preferred = false;
    QByteArray value;          // still encoded and escaped
};

struct Phone {
    QString number;
    QList<QByteArray> types;
    bool preferred = false;
};

struct Card {
    QString given, family, formatted, organisation;
    std::vector<Phone> phones;
};

QList<QByteArray> SplitOutsideQuotes(QByteArrayView text, char separator)
{
    QList<QByteArray> parts;
    QByteArray part;
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        if (c == separator && !quoted) {
            parts.append(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.append(part);
    return parts;
}

std::optional<Property> ParseProperty(QByteArrayView line)
{
    // The value starts after the first colon outside quotes.
    bool quoted = false;
    qsizetype colon = -1;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon < 0)
        return std::nullopt;
    Property p;
    p.value = line.sliced(colon + 1).toByteArray();
    const QList<QByteArray> head = SplitOutsideQuotes(line.first(colon), ';');
    QByteArray name = head.front().trimmed().toUpper();
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0)
        name = name.mid(dot + 1);
    p.name = name;
    for (qsizetype i = 1; i < head.size(); ++i) {
        const QByteArray param = head[i].trimmed();
        const qsizetype eq = param.indexOf('=');
        const QByteArray key = (eq < 0 ? QByteArray("TYPE") : param.left(eq)).trimmed().toUpper();
        QByteArray value = (eq < 0 ? param : param.mid(eq + 1)).trimmed();
        if (value.startsWith('"') && value.endsWith('"') && value.size() >= 2)
            value = value.mid(1, value.size() - 2);
        if (key == "ENCODING") {
            p.quotedPrintable = value.compare("QUOTED-PRINTABLE", Qt::CaseInsensitive) == 0;
        } else if (key == "CHARSET") {
            p.charset = value.toLower();
        } else if (key == "PREF") {
            p.preferred = true;  // 4.0: PREF=1 ... 100
        } else if (key == "TYPE") {
            for (const QByteArray& t : value.split(',')) {
                const QByteArray type = t.trimmed().toLower();
                if (type == "quoted-printable")
                    p.quotedPrintable = true;
                else if (type == "pref")
                    p.preferred = true;
                else if (!type.isEmpty())
                    p.types.append(type);
            }
        }
    }
    return p;
}

QByteArray DecodeQuotedPrintable(QByteArrayView in)
{
    const auto hex = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    };
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '=' && i + 2 < in.size() && hex(in[i + 1]) >= 0 && hex(in[i + 2]) >= 0) {
            out += static_cast<char>(hex(in[i + 1]) * 16 + hex(in[i + 2]));
            i += 2;
        } else {
            out += in[i];
        }
    }
    return out;
}

QString DecodeText(const QByteArray& bytes, const QByteArray& charset, bool fileIsUtf8)
{
    if (charset == "utf-8" || charset == "utf8")
        return QString::fromUtf8(bytes);
    if (charset == "iso-8859-1" || charset == "latin1" || charset == "us-ascii")
        return QString::fromLatin1(bytes);
    if (charset == "windows-1252" || charset == "cp1252")
        return Cp1252::ToUnicode(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (fileIsUtf8 || ContactText::IsUtf8(bytes))
        return QString::fromUtf8(bytes);
    return Cp1252::ToUnicode(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// 3.0 and 4.0 escape commas, semicolons, backslashes and line breaks in text.
QString Unescape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            const QChar next = text[++i];
            out += (next == u'n' || next == u'N') ? QChar(u'\n') : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Components separated by unescaped semicolons, each unescaped.
QStringList Components(const QString& text)
{
    QStringList parts;
    QString part;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            part += text[i];
            part += text[++i];
        } else if (text[i] == u';') {
            parts.append(Unescape(part));
            part.clear();
        } else {
            part += text[i];
        }
    }
    parts.append(Unescape(part));
    return parts;
}

QString NumberOf(QString value)
{
    value = value.trimmed();
    if (value.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) {
        value = value.mid(4);
        if (const qsizetype semicolon = value.indexOf(u';'); semicolon >= 0)
            value = value.left(semicolon);  // ;ext=..., ;phone-context=...
    }
    return value;
}

QString CardName(const Card& c)
{
    const QString given = c.given.trimmed(), family = c.family.trimmed();
    if (!given.isEmpty() || !family.isEmpty())
        return (given + u' ' + family).trimmed();
    if (!c.formatted.trimmed().isEmpty())
        return c.formatted.trimmed();
    return c.organisation.trimmed();
}

bool IsMobile(const Phone& p)
{
    return p.types.contains("cell") || p.types.contains("mobile");
}

QString Label(const Phone& p)
{
    QStringList words;
    for (const QByteArray& t : p.types) {
        if (t == "voice" || t == "internet" || t == "pref")
            continue;
        QString w = QString::fromLatin1(t);
        w[0] = w[0].toUpper();
        words.append(w);
    }
    return words.isEmpty() ? QStringLiteral("Other Phone") : words.join(u' ') + QStringLiteral(" Phone");
}

}  // namespace

bool VCardReader::Read(QByteArrayView bytes)
{
    m_headers = {kNameHeader, kPhoneHeader};
    m_rows.clear();
    bytes = ContactText::WithoutBom(bytes);
    const bool fileIsUtf8 = ContactText::IsUtf8(bytes);

    // Physical lines, without their line ends.
    QList<QByteArray> lines;
    for (QByteArrayView rest = bytes; !rest.isEmpty();) {
        qsizetype end = rest.indexOf('\n');
        QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(line.toByteArray());
    }

    std::vector<Card> cards;
    std::optional<Card> card;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        // Folded lines continue with a space or a tab.
        while (i + 1 < lines.size() && !lines[i + 1].isEmpty() && (lines[i + 1][0] == ' ' || lines[i + 1][0] == '\t'))
            line += lines[++i].mid(1);
        std::optional<Property> p = ParseProperty(line);
        // Quoted-printable values go on past a line that ends with "=" (a soft break).
        while (p && p->quotedPrintable && p->value.endsWith('=') && i + 1 < lines.size()) {
            line.chop(1);
            line += lines[++i];
            p = ParseProperty(line);
        }
        if (!p)
            continue;
        if (p->name == "BEGIN" && p->value.trimmed().compare("VCARD", Qt::CaseInsensitive) == 0) {
            if (card)
                cards.push_back(*card);  // a card without its END
            card = Card();
            continue;
        }
        if (!card)
            continue;
        if (p->name == "END") {
            cards.push_back(*card);
            card.reset();
            continue;
        }
        const QByteArray raw = p->quotedPrintable ? DecodeQuotedPrintable(p->value) : p->value;
        const QString text = DecodeText(raw, p->charset, fileIsUtf8);
        if (p->name == "N") {
            const QStringList parts = Components(text);
            card->family = parts.value(0);
            card->given = parts.value(1);
        } else if (p->name == "FN") {
            card->formatted = Unescape(text);
        } else if (p->name == "ORG") {
            card->organisation = Components(text).value(0);
        } else if (p->name == "TEL") {
            Phone phone{NumberOf(Unescape(text)), p->types, p->preferred};
            if (!phone.number.isEmpty())
                card->phones.push_back(std::move(phone));
        }
    }
    if (card)
        cards.push_back(*card);
    if (cards.empty())
        return false;

    QHash<QString, qsizetype> columnOf;
    for (const Card& c : cards) {
        QStringList row(m_headers.size());
        row[0] = CardName(c);
        // The main number: preferred, else mobile, else the first.
        std::size_t main = c.phones.size();
        for (std::size_t k = 0; k < c.phones.size() && main == c.phones.size(); ++k)
            if (c.phones[k].preferred)
                main = k;
        for (std::size_t k = 0; k < c.phones.size() && main == c.phones.size(); ++k)
            if (IsMobile(c.phones[k]))
                main = k;
        if (main == c.phones.size() && !c.phones.empty())
            main = 0;
        if (main < c.phones.size())
            row[1] = c.phones[main].number;
        QHash<QString, int> seen;
        for (std::size_t k = 0; k < c.phones.size(); ++k) {
            if (k == main)
                continue;
            QString label = Label(c.phones[k]);
            if (const int n = ++seen[label]; n > 1)
                label += QStringLiteral(" %1").arg(n);
            auto it = columnOf.find(label);
            if (it == columnOf.end()) {
                it = columnOf.insert(label, m_headers.size());
                m_headers.append(label);
            }
            if (row.size() < m_headers.size())
                row.resize(m_headers.size());
            row[*it] = c.phones[k].number;
        }
        m_rows.push_back(row);
    }
    for (QStringList& row : m_rows)
        row.resize(m_headers.size());
    return true;
}
