#pragma once

#include <QLockFile>
#include <QString>

// Tells whether another copy of the program runs for this user. The lock is named after the
// program, not after its data files, and is released when the process ends, even by a crash.
class clsSingleInstance {
public:
    explicit clsSingleInstance(const QString& programName);
    bool AnotherIsRunning() const { return !holdsLock; }

private:
    QLockFile lock;
    bool holdsLock = false;
};
