#pragma once

#include "base/UniqueFd.h"

#include <QString>
#include <QStringList>

#include <memory>

class QLockFile;

// SingleInstance — the rule that one copy of the program runs at a time, by a
// lock held for the life of the process. The system releases it when the
// process ends in any way (a crash, a kill), so nothing is ever left that
// blocks the next copy, whatever the lock file holds.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Whether another running copy holds the lock; if not, this copy now
    // holds it. When the lock cannot be made at all (no folder, a file of
    // someone else's), the answer is no: a program that will not start is
    // worse than two copies.
    bool IsAnotherRunning();

private:
    QString path_;
    UniqueFd fd_;                       // the locked file, where the system has advisory locks
    std::unique_ptr<QLockFile> fallback_;  // elsewhere
};

// PrivateFolder — the first of `candidates` that is a folder of this user's
// alone: owned by the user, no access for anyone else, not a symbolic link.
// A candidate that does not exist is made (mode 0700) when its parent exists.
// Returns "" when none is.
QString PrivateFolder(const QStringList& candidates);

// The per-user folder of the lock and of the hand-over to a running copy: the
// runtime folder, else a folder of the program's own under the cache folder,
// else one under the temporary folder, whichever is the user's alone first.
QString ProgramRuntimeFolder();

// The lock file in the runtime folder `folder` ("" when there is none).
QString LockPathIn(const QString& folder);
