#include "exitscreen.h"

#include "frmExitScreen.h"

#include <QPointer>

namespace {

QPointer<frmExitScreen> &Screen()
{
    static QPointer<frmExitScreen> screen;
    return screen;
}

} // namespace

frmExitScreen *ExitScreen()
{
    if (!Screen())
        Screen() = new frmExitScreen;
    return Screen();
}

bool IsExitScreenLoaded()
{
    return !Screen().isNull();
}

void ShowExitScreen()
{
    frmExitScreen *screen = ExitScreen();
    screen->show();
    screen->raise();
}

void HideExitScreen()
{
    // Loading it for a hide request never puts it on screen.
    ExitScreen()->hide();
}
