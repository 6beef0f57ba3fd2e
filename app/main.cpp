#include "appicon.h"
#include "designfonts.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(AppIcon());
    InstallFontSubstitutes();
    StartApplication();
    return QApplication::exec();
}
