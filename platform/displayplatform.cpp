#include "platform/displayplatform.h"

#include <QtGlobal>

#include <cstring>

namespace {

char platformOption[] = "-platform";
// Qt tries each in turn; the second keeps the program starting when the
// X display named in DISPLAY has gone.
char platformChoice[] = "xcb;wayland";

// Windows and macOS have neither plugin; a DISPLAY set there (by an X
// server for other programs, or by Wine) must not keep the program from
// starting.
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
constexpr bool HasX11 = false;
#else
constexpr bool HasX11 = true;
#endif

bool NamesPlatform(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

} // namespace

DisplayPlatformArguments::DisplayPlatformArguments(int argc, char **argv)
{
    m_argv.assign(argv, argv + argc);
    if (HasX11 && argc > 0 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        && !qEnvironmentVariableIsEmpty("DISPLAY") && !NamesPlatform(argc, argv)) {
        m_argv.insert(m_argv.begin() + 1, {platformOption, platformChoice});
    }
    m_argc = int(m_argv.size());
    // argv ends with a null pointer, as main's does.
    m_argv.push_back(nullptr);
}
