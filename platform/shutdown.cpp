#include "shutdown.h"

#include "singleinstance.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

std::function<void()> &ProcessEnd()
{
    static std::function<void()> end;
    return end;
}

bool &Quitting()
{
    static bool quitting = false;
    return quitting;
}

} // namespace

void SetProcessEndForTesting(std::function<void()> end)
{
    ProcessEnd() = std::move(end);
    Quitting() = false;
}

void QuitApplication()
{
    if (!Quitting()) {
        Quitting() = true;
        // Copy the list first: a close handler may open or close windows.
        QList<QPointer<QWidget>> windows;
        for (QWidget *w : QApplication::topLevelWidgets())
            windows.append(w);
        for (const QPointer<QWidget> &w : windows) {
            if (w && w->isVisible())
                w->close();
        }
    }

    ReleaseInstanceLock();
    if (ProcessEnd())
        ProcessEnd()();
    // No handler of ours may run after this point, so leave without
    // returning to the event loop. Settings are synced when their QSettings
    // objects go out of scope, which has happened by now.
    std::fflush(nullptr);
    std::_Exit(0);
}
