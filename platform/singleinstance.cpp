#include "singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include <memory>

namespace {

std::unique_ptr<QLockFile> &Lock()
{
    static std::unique_ptr<QLockFile> lock;
    return lock;
}

} // namespace

bool AcquireInstanceLock()
{
    if (Lock())
        return true;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return true;
    auto lock = std::make_unique<QLockFile>(folder + QLatin1Char('/')
                                            + QCoreApplication::applicationName()
                                            + QStringLiteral(".lock"));
    // Zero: a lock is stale only when its owner process is gone, never
    // because of its age, so a long-running copy keeps its lock.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        Lock() = std::move(lock);
        return true;
    }
    // Someone else holds it; any other error means we could not create a
    // lock at all, and the program must still start.
    return lock->error() != QLockFile::LockFailedError;
}

void ReleaseInstanceLock()
{
    if (Lock()) {
        Lock()->unlock();
        Lock().reset();
    }
}
