#include "platform/shutdown.h"

#include "platform/singleinstance.h"

#include <cstdio>
#include <cstdlib>

namespace {

std::function<void()> &ProcessEnd()
{
    static std::function<void()> end;
    return end;
}

} // namespace

void SetProcessEndForTesting(std::function<void()> end)
{
    ProcessEnd() = std::move(end);
}

void EndProcess()
{
    ReleaseInstanceLock();
    if (ProcessEnd())
        ProcessEnd()();
    // No handler of ours may run after this point, so leave without
    // returning to the event loop. Settings are synced when their QSettings
    // objects go out of scope, which has happened by now.
    std::fflush(nullptr);
    std::_Exit(0);
}
