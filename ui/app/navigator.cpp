#include "ui/app/navigator.h"

#include "engine/reading.h"
#include "ui/app/quitapplication.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmMain.h"
#include "ui/reading/frmDisplay.h"

Navigator::Navigator(QObject *parent)
    : QObject(parent)
{
}

Navigator::~Navigator()
{
    delete m_reading;
    delete m_main;
    delete m_exitScreen;
}

frmMain *Navigator::openMain()
{
    auto *main = new frmMain;
    m_main = main;
    connect(main, &frmMain::readingRequested, this,
            [this, main](const Reading &reading) { openReading(main, reading); });
    // Leaving the main window hands over to the exit screen.
    connect(main, &frmMain::leaving, this, &Navigator::bringUpExit);
    main->show();
    return main;
}

void Navigator::openReading(frmMain *main, const Reading &reading)
{
    // A new window for every reading, filled while it is still hidden, so
    // nothing of an earlier reading stays.
    auto *display = new frmDisplay;
    m_reading = display;
    display->showReading(reading);
    // Closing it brings up the exit screen; Back puts the main window, with
    // its input as the user left it, in its place instead.
    connect(display, &frmDisplay::closed, this, &Navigator::bringUpExit);
    connect(display, &frmDisplay::back, main, &QWidget::show);

    main->hide();
    display->show();
    // The reading window is to be the only one on screen; the first request
    // also loads the exit screen, hidden.
    putAwayExit();
}

frmExitScreen *Navigator::exitScreen()
{
    if (!m_exitScreen) {
        m_exitScreen = new frmExitScreen;
        connect(m_exitScreen, &frmExitScreen::left, this, &QuitApplication);
    }
    return m_exitScreen;
}

void Navigator::bringUpExit()
{
    frmExitScreen *screen = exitScreen();
    screen->show();
    screen->raise();
}

void Navigator::putAwayExit()
{
    // Loading it for a hide request never puts it on screen.
    exitScreen()->hide();
}
