// A second yardstick: the bare program with one line of text in its window.
// Showing any text at all initialises the font machinery (fontconfig's
// configuration and font list, a font engine, glyph rendering), a cost every
// program that shows text pays and the empty bare window never does.
#include "bench/firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FirstPaintReporter reporter;
    app.installEventFilter(&reporter);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare with a label"));
    window.resize(427, 277);
    QLabel label(QStringLiteral("Name"), &window);
    label.move(10, 10);
    window.show();
    return QApplication::exec();
}
