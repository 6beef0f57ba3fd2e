#include "platform/displayplatform.h"
#include "ui/app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    DisplayPlatformArguments arguments(argc, argv);
    QApplication app(arguments.argc(), arguments.argv());
    SetUpApplication();
    // Made after the application object, so it goes first: the windows
    // must not outlive the application.
    Program program;
    if (!StartApplication(program))
        return 0;
    return QApplication::exec();
}
