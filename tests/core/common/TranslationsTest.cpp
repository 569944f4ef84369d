#include "core/common/StringTable.h"
#include "core/common/Translations.h"

#include <QDir>
#include <QFile>
#include <QTranslator>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

// The placeholders of a text, %1 to %99 and %n, each as often as it occurs, sorted.
QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(?:[1-9][0-9]?|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

struct Message {
    QString context;
    QString source;
    QString type;  // "unfinished", "vanished", "obsolete" or empty
    QStringList translations;  // one, or each plural form
};

std::vector<Message> ReadTs(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            messages.push_back({context, {}, {}, {}});
        } else if (name == u"source" && !messages.empty()) {
            messages.back().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (name == u"translation" && !messages.empty()) {
            Message& m = messages.back();
            m.type = xml.attributes().value(QStringLiteral("type")).toString();
            QString text;
            bool plural = false;
            while (!(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == u"translation") && !xml.atEnd()) {
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == u"numerusform")
                    plural = true, m.translations << xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
            if (!plural)
                m.translations << text;
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(path) << ": " << qPrintable(xml.errorString());
    return messages;
}

}  // namespace

// The build has run lupdate over today's sources into copies of the translations, so a text
// added or changed in the code shows up here as untranslated until a translator has seen it.
TEST(Translations, EveryTextOfTheSourcesIsTranslatedIntoEachLanguageWithItsPlaceholders)
{
    // English carries only the plural forms of the texts that count.
    const QStringList languages = Translations::Languages() << QStringLiteral("en");
    for (const QString& language : languages) {
        const QString path = QStringLiteral(DIALBOOK_TRANSLATIONS_CHECK_DIR "/dialbook_%1.ts").arg(language);
        const std::vector<Message> messages = ReadTs(path);
        EXPECT_GT(messages.size(), language == u"en" ? 2u : 100u) << qPrintable(path);
        int missing = 0;
        for (const Message& m : messages) {
            if (m.type == u"vanished" || m.type == u"obsolete")
                continue;
            const bool translated = m.type.isEmpty() && !m.translations.isEmpty() &&
                                    std::none_of(m.translations.begin(), m.translations.end(),
                                                 [](const QString& t) { return t.isEmpty(); });
            if (!translated) {
                if (++missing <= 10)
                    ADD_FAILURE() << qPrintable(language) << ": no translation of " << qPrintable(m.context) << " \""
                                  << qPrintable(m.source) << "\"";
                continue;
            }
            const QStringList wanted = Placeholders(m.source);
            for (const QString& t : m.translations) {
                QStringList got = Placeholders(t);
                // A plural form may leave out %n ("un contact" for one), never add or drop another.
                if (wanted.contains(QStringLiteral("%n")) && !got.contains(QStringLiteral("%n")))
                    got << QStringLiteral("%n"), got.sort();
                EXPECT_EQ(got, wanted) << qPrintable(language) << ": " << qPrintable(m.context) << " \""
                                       << qPrintable(m.source) << "\" became \"" << qPrintable(t) << "\"";
            }
        }
        EXPECT_EQ(missing, 0) << qPrintable(language) << ": texts without a translation (the first 10 are above). "
                              << "Run `cmake --build build --target update_translations` and translate them.";
    }
}

// The string table's texts reach the translators through a C++ file the build writes for
// lupdate; a text whose escapes came out different there would stay English for good.
TEST(Translations, EveryTextOfTheStringTableIsFoundInEachLanguage)
{
    QFile table(QStringLiteral(":/strings/strings.txt"));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    std::vector<std::uint32_t> ids;
    for (const QByteArray& line : table.readAll().split('\n')) {
        bool ok = false;
        const std::uint32_t id = line.left(line.indexOf('\t')).toUInt(&ok);
        if (ok && !line.startsWith('#'))
            ids.push_back(id);
    }
    ASSERT_GT(ids.size(), 90u);
    const std::vector<Msg> kept{Msg::MyPictures, Msg::SampleImages, Msg::MyPhonebooks, Msg::AppTitle};
    for (const QString& language : Translations::Languages()) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/dialbook_%1.qm").arg(language)));
        for (const std::uint32_t id : ids) {
            if (std::find(kept.begin(), kept.end(), static_cast<Msg>(id)) != kept.end())
                continue;
            EXPECT_FALSE(translator.translate("StringTable", LoadString(id).toUtf8().constData()).isEmpty())
                << qPrintable(language) << ": string " << id << " \"" << qPrintable(LoadString(id)) << "\"";
        }
    }
}

TEST(Translations, TheLanguageFollowsTheLocaleAndFolderNamesStay)
{
    const QString english = LoadString(Msg::FileReadFailed);
    {
        const Translations german{QLocale(QLocale::German, QLocale::Germany)};
        EXPECT_EQ(german.Language(), QStringLiteral("de"));
        EXPECT_NE(LoadString(Msg::FileReadFailed), english);
        // A book kept in "My Phonebooks" is found there whatever the language.
        EXPECT_EQ(LoadString(Msg::MyPhonebooks), QStringLiteral("My Phonebooks"));
        EXPECT_EQ(LoadString(Msg::MyPictures), QStringLiteral("My Pictures"));
    }
    EXPECT_EQ(LoadString(Msg::FileReadFailed), english);
    {
        const Translations brazilian{QLocale(QLocale::Portuguese, QLocale::Brazil)};
        EXPECT_EQ(brazilian.Language(), QStringLiteral("pt"));
    }
    const Translations swedish{QLocale(QLocale::Swedish, QLocale::Sweden)};
    EXPECT_TRUE(swedish.Language().isEmpty());
    EXPECT_EQ(LoadString(Msg::FileReadFailed), english);
}
