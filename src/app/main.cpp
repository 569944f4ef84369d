// orvak-dialbook: the program's window.

#include "CPomelApp.h"

int main(int argc, char** argv)
{
    CPomelApp app(argc, argv);
    return app.InitInstance();
}
