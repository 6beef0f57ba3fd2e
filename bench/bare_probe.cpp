// The yardstick: a bare Qt Widgets program with one empty window of the
// main window's size.
#include "bench/firstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FirstPaintReporter reporter;
    app.installEventFilter(&reporter);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(427, 277);
    window.show();
    return QApplication::exec();
}
