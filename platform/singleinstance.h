#pragma once

#include <memory>

class QLockFile;

// One running copy per user. The lock lives in the user's runtime folder,
// which no other user can write to, and is named after the application
// (QCoreApplication::applicationName). A lock left by a copy that crashed
// is taken over. When no lock can be created at all, the program runs
// anyway. The lock is given up when this object goes.
class InstanceLock
{
public:
    InstanceLock();
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // True when this process may run: it holds the lock, or no lock could
    // be made. False when another copy of the program holds it.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};
