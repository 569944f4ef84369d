#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <memory>

// The program's texts and Qt's own in the user's language, for as long as this object lives.
// The language follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG, as QLocale's system locale does;
// English, or a language the program has no translation for, installs only English's plural forms.
class Translations {
public:
    explicit Translations(const QLocale& locale = QLocale());
    ~Translations();

    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language whose translation of the program's texts is installed, "de" say, or empty.
    QString Language() const { return m_language; }

    // The languages the program is translated into, besides English.
    static QStringList Languages();

private:
    std::unique_ptr<QTranslator> m_plurals;
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_qt;
    QString m_language;
};
