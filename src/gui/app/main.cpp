// orvak-dialbook: the program's window.

#include "gui/app/DialbookApp.h"

int main(int argc, char** argv)
{
    DialbookApp app(argc, argv);
    return app.InitInstance();
}
