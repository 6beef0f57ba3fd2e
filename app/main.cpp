#include "platform/displayplatform.h"
#include "ui/app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    DisplayPlatformArguments arguments(argc, argv);
    QApplication app(arguments.argc(), arguments.argv());
    SetUpApplication();
    // Goes before the application object: the windows must not outlive it.
    Program program;
    if (!StartApplication(program))
        return 0;
    return QApplication::exec();
}
