#include "core/common/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// Built into the program (see translations/CMakeLists.txt), so an installed program and one run
// from the build tree speak the same.
constexpr auto kProgramFolder = ":/i18n";

std::unique_ptr<QTranslator> Install(const QLocale& locale, const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder) || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

}  // namespace

Translations::Translations(const QLocale& locale)
{
    m_program = Install(locale, QStringLiteral("dialbook"), QLatin1StringView(kProgramFolder));
    if (!m_program)
        return;
    m_language = m_program->language().section(u'_', 0, 0);
    // Qt's own dialogs and the command line's "--help" texts, when Debian's qt6-translations-l10n is there.
    m_qt = Install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Translations::~Translations()
{
    if (m_qt)
        QCoreApplication::removeTranslator(m_qt.get());
    if (m_program)
        QCoreApplication::removeTranslator(m_program.get());
}

QStringList Translations::Languages()
{
    return {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
            QStringLiteral("it"), QStringLiteral("nl"), QStringLiteral("pt")};
}
