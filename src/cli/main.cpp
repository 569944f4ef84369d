// dialbook: the command-line tool.

#include "cli/CommandLine.h"

#include "core/common/Translations.h"
#include "core/picture/PictureDecoder.h"

#include <QCoreApplication>

#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvak"));
    QCoreApplication::setApplicationName(QStringLiteral("dialbook"));
    PictureDecoder::SetAllocationLimit();
    const Translations translations;

    const ParsedCommandLine parsed = ParseCommandLine(QCoreApplication::arguments());
    if (parsed.exitStatus >= 0) {
        std::fputs(parsed.output.c_str(), stdout);
        std::fputs(parsed.error.c_str(), stderr);
        return parsed.exitStatus;
    }
    CommandConsole console;
    console.canAsk = ::isatty(STDIN_FILENO) != 0;
    console.showProgress = ::isatty(STDERR_FILENO) != 0;
    return RunCommandLine(parsed.line, console);
}
