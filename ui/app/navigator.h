#pragma once

#include <QObject>
#include <QPointer>

class frmDisplay;
class frmExitScreen;
class frmMain;
struct Reading;

// The way from one window to the next, in one place. The windows only
// tell what happened; this decides what comes next:
//   a reading asked for in the main window: a new reading window in its place;
//   Back in a reading window: the main window again;
//   the main window or a reading window closed: the exit screen;
//   the exit screen left: the end of the program (QuitApplication).
// Start-up makes one for the life of the program; the windows it opened
// and that are still there go with it.
class Navigator : public QObject
{
    Q_OBJECT
public:
    explicit Navigator(QObject *parent = nullptr);
    ~Navigator() override;

    // Makes the main window, follows it and puts it on screen.
    frmMain *openMain();

private:
    void openReading(frmMain *main, const Reading &reading);
    // The exit screen is loaded on the first request to show or hide it and
    // then only shown or hidden, keeping what the user typed into it.
    frmExitScreen *exitScreen();
    void bringUpExit();
    void putAwayExit();

    QPointer<frmMain> m_main;
    QPointer<frmDisplay> m_reading;
    QPointer<frmExitScreen> m_exitScreen;
};
