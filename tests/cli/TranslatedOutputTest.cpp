// dialbook in the user's language: a failure prints the string table's message as the translator
// has it, and in English when no translation is installed.

#include "cli/CommandLine.h"
#include "core/common/Msg.h"
#include "core/common/StringTable.h"
#include "core/common/Translations.h"
#include "support/Captured.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// `dialbook ARGS`, as main runs it, with its output caught.
Outcome RunDialbook(const QStringList& args)
{
    const ParsedCommandLine parsed = ParseCommandLine(args);
    EXPECT_LT(parsed.exitStatus, 0) << parsed.error;
    Captured out, err;
    CommandConsole console;
    console.out = out.File();
    console.err = err.File();
    const int status = RunCommandLine(parsed.line, console);
    return {status, out.Text(), err.Text()};
}

}  // namespace

TEST(TranslatedOutput, AFailureOfShowIsSaidInGermanUnderAGermanTranslatorAndInEnglishWithout)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A book a user typed the name of wrongly: there is no such file.
    const QStringList args = {QStringLiteral("dialbook"), QStringLiteral("show"),
                              dir.filePath(QStringLiteral("Famliy.opbk"))};
    const QString english = LoadString(Msg::FileReadFailed);

    {
        const Translations german{QLocale(QLocale::German, QLocale::Germany)};
        ASSERT_EQ(german.Language(), QStringLiteral("de"));
        const QString translated = LoadString(Msg::FileReadFailed);
        // The German file has this message; otherwise the test would prove nothing.
        ASSERT_NE(translated, english);
        const Outcome shown = RunDialbook(args);
        EXPECT_EQ(shown.status, 1);
        EXPECT_TRUE(shown.out.empty()) << shown.out;
        EXPECT_NE(shown.err.find(translated.toStdString()), std::string::npos) << shown.err;
        EXPECT_EQ(shown.err.find(english.toStdString()), std::string::npos) << shown.err;
    }

    // The translator is gone with its object: English again.
    ASSERT_EQ(LoadString(Msg::FileReadFailed), english);
    const Outcome shown = RunDialbook(args);
    EXPECT_EQ(shown.status, 1);
    EXPECT_EQ(shown.err.rfind(english.toStdString(), 0), 0u) << shown.err;
    EXPECT_NE(shown.err.find("there is no such file"), std::string::npos) << shown.err;
}
