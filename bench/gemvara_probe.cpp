// Gemvara's own start-up, exactly as the program runs it, reporting at the
// first paint of its first window.
#include "bench/firstpaint.h"
#include "ui/app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FirstPaintReporter reporter;
    app.installEventFilter(&reporter);
    SetUpApplication();
    Program program;
    if (!StartApplication(program))
        return 1;
    return QApplication::exec();
}
