// Helper for the whole-program browser test: opens one page the way the
// program does, or shows the About window, on the real display.
//   open_page_probe ADDRESS   hand ADDRESS to OpenWebPage and exit
//   open_page_probe --about   show the About window until it is closed
#include "platform/weblinks.h"
#include "ui/app/fontsubstitutes.h"
#include "ui/main/frmAbout.h"
#include "ui/widgets/appicon.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: open_page_probe ADDRESS | --about\n");
        return 2;
    }
    const QString argument = QString::fromLocal8Bit(argv[1]);
    if (argument == QLatin1String("--about")) {
        QApplication::setWindowIcon(AppIcon());
        InstallFontSubstitutes();
        frmAbout about;
        about.exec();
        return 0;
    }
    // The browser is started detached, so there is nothing to wait for.
    OpenWebPage(argument);
    return 0;
}
