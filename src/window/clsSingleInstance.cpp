#include "window/clsSingleInstance.h"

#include <QDir>

static QString LockPath(const QString& programName)
{
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return QDir(QDir::tempPath()).filePath(programName + "-" + user + ".lock");
}

clsSingleInstance::clsSingleInstance(const QString& programName) : lock(LockPath(programName))
{
    lock.setStaleLockTime(0);
    holdsLock = lock.tryLock(0);
}
