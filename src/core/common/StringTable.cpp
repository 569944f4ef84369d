#include "core/common/StringTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <array>

namespace {

// Folder names and the product's name: a file kept in "My Phonebooks" is found there in every
// language. The build leaves them out of the texts it gives the translators.
constexpr std::array<Msg, 4> kKeptAsTheyAre = {Msg::MyPictures, Msg::SampleImages, Msg::MyPhonebooks, Msg::AppTitle};

struct Text {
    QByteArray source;  // what the translations are keyed by
    QString english;
};

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

QHash<std::uint32_t, Text> LoadTable()
{
    QHash<std::uint32_t, Text> table;
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
        if (ok) {
            QString english = Unescape(line.sliced(tab + 1));
            table.insert(id, Text{english.toUtf8(), english});
        }
    }
    return table;
}

}  // namespace

QString LoadString(std::uint32_t id)
{
    // Built once, on first use, and only read afterwards: safe from any thread.
    static const QHash<std::uint32_t, Text> table = LoadTable();
    const auto found = table.constFind(id);
    if (found == table.constEnd())
        return {};
    if (std::find(kKeptAsTheyAre.begin(), kKeptAsTheyAre.end(), static_cast<Msg>(id)) != kKeptAsTheyAre.end())
        return found->english;
    return QCoreApplication::translate("StringTable", found->source.constData());
}
