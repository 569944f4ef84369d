#include "core/common/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// Built into the program (see translations/CMakeLists.txt), so an installed program and one run
// from the build tree speak the same.
constexpr auto kProgramFolder = ":/i18n";
const QString kProgram = QStringLiteral("dialbook");

std::unique_ptr<QTranslator> Load(const QLocale& locale, const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder))
        return nullptr;
    return translator;
}

std::unique_ptr<QTranslator> Install(std::unique_ptr<QTranslator> translator)
{
    if (!translator || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

}  // namespace

Translations::Translations(const QLocale& locale)
{
    // English's plural forms ("1 entry", "2 entries") go first, under every other language: the
    // texts themselves are English already.
    m_plurals = Install(Load(QLocale(QLocale::English), kProgram, QLatin1StringView(kProgramFolder)));
    if (locale.language() == QLocale::English)
        return;
    std::unique_ptr<QTranslator> program = Load(locale, kProgram, QLatin1StringView(kProgramFolder));
    // A locale whose languages include none of ours may still find English's.
    if (!program || program->language().startsWith(u"en"))
        return;
    m_program = Install(std::move(program));
    if (!m_program)
        return;
    m_language = m_program->language().section(u'_', 0, 0);
    // Qt's own dialogs and the command line's "--help" texts, when Debian's qt6-translations-l10n is there.
    m_qt = Install(Load(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
}

Translations::~Translations()
{
    for (const auto* translator : {&m_qt, &m_program, &m_plurals}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
    }
}

QStringList Translations::Languages()
{
    return {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
            QStringLiteral("it"), QStringLiteral("nl"), QStringLiteral("pt")};
}
