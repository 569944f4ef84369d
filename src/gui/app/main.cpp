// orvak-dialbook: the program's window.

#include "gui/app/DialbookApp.h"

#include <cstring>

int main(int argc, char** argv)
{
    // --help and --version only print: they must work without a display too (in a terminal
    // over ssh, or while a package is checked).
    for (int i = 1; i < argc; ++i) {
        for (const char* printOnly : {"-h", "--help", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], printOnly) == 0 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
    DialbookApp app(argc, argv);
    return app.InitInstance();
}
