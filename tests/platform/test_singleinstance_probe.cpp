// A stand-in for a starting copy of the program, driven by the
// single-instance tests:
//   probe try    take the lock, print 1 (may run) or 0, end
//   probe hold   take the lock, print the result, keep it until stdin closes
//   probe crash  take the lock, print the result, die by SIGKILL
#include "platform/singleinstance.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("GemvaraLockProbe"));
    const char *mode = argc > 1 ? argv[1] : "try";

    InstanceLock lock;
    const bool mayRun = lock.acquire();
    std::printf("%d\n", mayRun ? 1 : 0);
    std::fflush(stdout);

    if (std::strcmp(mode, "hold") == 0) {
        while (std::fgetc(stdin) != EOF) {
        }
    } else if (std::strcmp(mode, "crash") == 0) {
#ifdef SIGKILL
        std::raise(SIGKILL);
#else
        std::abort(); // Windows has no SIGKILL; this ends it without cleanup too
#endif
    }
    return 0;
}
