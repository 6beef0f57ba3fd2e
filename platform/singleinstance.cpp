#include "platform/singleinstance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <memory>

namespace {

// A lock whose owner cannot be read (left empty or cut short by a crash
// while it was being written) never counts as stale with a stale time of
// zero, and would refuse every later start. Once it has been like that for
// a while it is taken as abandoned; a fresh one may belong to a copy that is
// starting right now.
bool UnreadableAndOld(QLockFile &lock, const QString &path)
{
    qint64 pid = 0;
    QString host, app;
    if (lock.getLockInfo(&pid, &host, &app))
        return false;
    const QDateTime changed = QFileInfo(path).lastModified();
    return changed.isValid() && changed.secsTo(QDateTime::currentDateTime()) > 10;
}

} // namespace

InstanceLock::InstanceLock() = default;

// QLockFile removes the file it holds when it goes.
InstanceLock::~InstanceLock() = default;

bool InstanceLock::acquire()
{
    if (m_lock)
        return true;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return true;
    const QString path =
        folder + QLatin1Char('/') + QCoreApplication::applicationName() + QStringLiteral(".lock");
    auto lock = std::make_unique<QLockFile>(path);
    // Zero: a lock is stale only when its owner process is gone, never
    // because of its age, so a long-running copy keeps its lock.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)
        || (lock->error() == QLockFile::LockFailedError && UnreadableAndOld(*lock, path)
            && lock->removeStaleLockFile() && lock->tryLock(0))) {
        m_lock = std::move(lock);
        return true;
    }
    // Someone else holds it; any other error means we could not create a
    // lock at all, and the program must still start.
    return lock->error() != QLockFile::LockFailedError;
}
