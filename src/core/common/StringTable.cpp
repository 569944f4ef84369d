#include "core/common/StringTable.h"

#include <QFile>
#include <QHash>

namespace {

QString Unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar next = text[++i];
        switch (next.unicode()) {
        case u'n': out += u'\n'; break;
        case u'r': out += u'\r'; break;
        case u't': out += u'\t'; break;
        default: out += next; break;
        }
    }
    return out;
}

QHash<std::uint32_t, QString> LoadTable()
{
    QHash<std::uint32_t, QString> table;
    QFile file(QStringLiteral(":/strings/strings.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    const QString all = QString::fromUtf8(file.readAll());
    for (QStringView line : QStringView(all).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        if (tab <= 0)
            continue;
        bool ok = false;
        const std::uint32_t id = line.first(tab).toUInt(&ok);
        if (ok)
            table.insert(id, Unescape(line.sliced(tab + 1)));
    }
    return table;
}

}  // namespace

QString LoadString(std::uint32_t id)
{
    // Built once, on first use, and only read afterwards: safe from any thread.
    static const QHash<std::uint32_t, QString> table = LoadTable();
    return table.value(id);
}
