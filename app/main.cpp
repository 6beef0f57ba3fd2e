#include "platform/displayplatform.h"
#include "ui/app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    DisplayPlatformArguments arguments(argc, argv);
    QApplication app(arguments.argc(), arguments.argv());
    SetUpApplication();
    StartApplication();
    return QApplication::exec();
}
