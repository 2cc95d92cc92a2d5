#pragma once

#include "base/UniqueFd.h"
#include "shell/TrustAnswers.h"

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
    // Taken: this copy holds the lock. Held: another running copy does.
    // Unavailable: the lock cannot be had (no folder, a planted link or
    // anything but a regular file of this user's, a file system without
    // locks): a program that will not start is worse than two copies, so
    // this copy runs, without the rule, and problem() says why.
    enum class Lock { Taken, Held, Unavailable };

    explicit SingleInstance(const QString& lockPath, const TrustAnswers& answers = SystemAnswers());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Lock TakeLock();
    // Whether another running copy holds the lock (TakeLock() == Held).
    bool IsAnotherRunning() { return TakeLock() == Lock::Held; }
    // Why the lock is Unavailable, in a few words.
    QString problem() const { return problem_; }

private:
    QString path_;
    TrustAnswers answers_;
    QString problem_;
    UniqueFd fd_;                       // the locked file, where the system has advisory locks
    std::unique_ptr<QLockFile> fallback_;  // elsewhere
};

// PrivateFolder — files/RuntimeFolder.h's, for Qt's file names.
QString PrivateFolder(const QStringList& candidates);

// The per-user folder of the lock and of the hand-over to a running copy: the
// runtime folder, else a folder of the program's own under the cache folder,
// else one under the temporary folder, whichever is the user's alone first
// and short enough for the socket's address (RuntimeFolder in
// files/RuntimeFolder.h). "" when there is none.
QString ProgramRuntimeFolder();

// The lock file in the runtime folder `folder` ("" when there is none).
QString LockPathIn(const QString& folder);
