#pragma once

#include <QLockFile>
#include <QString>

// SingleInstance — the rule that one copy of the program runs at a time, by a
// lock file held for the life of the process. A copy that crashed or was killed
// leaves a lock whose process is gone; the next copy takes it over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath);

    // Whether another running copy holds the lock. When the lock cannot be
    // made at all (a folder that cannot be written), the answer is no: a
    // program that will not start is worse than two copies.
    bool IsAnotherRunning();

private:
    QLockFile lock_;
};

// The per-user lock file: in the runtime folder, else the temporary folder.
QString DefaultLockPath();
