#pragma once

#include <vector>

// The command line handed to QApplication. The program's windows stay on
// top, centre themselves and keep maximise away only under X11, so when
// the user has chosen no platform (QT_QPA_PLATFORM or -platform) and an X
// display is there (XWayland on a Wayland session) the program runs on
// it, falling back to native Wayland when that display cannot be reached.
// Without an X display Qt's own choice stands.
class DisplayPlatformArguments
{
public:
    DisplayPlatformArguments(int argc, char **argv);
    DisplayPlatformArguments(const DisplayPlatformArguments &) = delete;
    DisplayPlatformArguments &operator=(const DisplayPlatformArguments &) = delete;

    // QApplication keeps both and takes the options it knows out of them.
    int &argc() { return m_argc; }
    char **argv() { return m_argv.data(); }

private:
    int m_argc = 0;
    std::vector<char *> m_argv;
};
