#include "accessiblelinks.h"
#include "appicon.h"
#include "designfonts.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(AppIcon());
    // Closing the main window hands over to the exit screen; the program
    // ends only through QuitApplication.
    QApplication::setQuitOnLastWindowClosed(false);
    InstallFontSubstitutes();
    InstallAccessibleLinks();
    StartApplication();
    return QApplication::exec();
}
