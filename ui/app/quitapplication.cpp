#include "ui/app/quitapplication.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

// Windows whose closing has begun, so that a call made from inside a close
// handler goes on with the others instead of closing one twice.
QList<QPointer<QWidget>> &Handled()
{
    static QList<QPointer<QWidget>> handled;
    return handled;
}

// The program's own windows, shown or only hidden; menus, pop-ups and
// tool tips are Qt's business.
bool IsProgramWindow(const QWidget *w)
{
    switch (w->windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Sheet:
    case Qt::Drawer:
    case Qt::Tool:
    case Qt::SplashScreen: return true;
    default: return false;
    }
}

// The program's windows not closed yet. A copy: a close handler may open
// or close windows.
QList<QPointer<QWidget>> WindowsToClose()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (IsProgramWindow(w) && !Handled().contains(w))
            windows.append(w);
    }
    return windows;
}

} // namespace

void QuitApplication()
{
    // Until none is left: a window that a close handler opens is closed too,
    // before the event loop could ever show it.
    for (QList<QPointer<QWidget>> windows; !(windows = WindowsToClose()).isEmpty();) {
        for (const QPointer<QWidget> &w : windows) {
            if (!w || Handled().contains(w))
                continue;
            Handled().append(w);
            // A window that refuses is not asked again; the program ends anyway.
            w->close();
        }
    }
    // Events still queued are dropped with the loop: nothing of ours runs
    // after this handler.
    QCoreApplication::exit(0);
}
