#pragma once

#include "base/UniqueFd.h"
#include "shell/TrustAnswers.h"

#include <QObject>
#include <QString>

class QSocketNotifier;

// The hand-over from a second start to the copy that runs: a double-click on a
// reading file while the program runs shows that reading in the running copy,
// and a second start without a file brings the running window to the front.
// It goes through a local (Unix domain) socket in the user's private runtime
// folder, open to the user alone and checked for the peer's user. The second
// start sends "raise\n", or "open N\n" and the N bytes of the file's absolute
// path (by its length: a name may hold a line end); the running copy answers
// "ok\n". (The system's sockets directly: Qt's network module would add a
// megabyte and a half of libraries to every start for these few bytes.)

// HandOverServer — the running copy's side
// Notes: a peer that leaves before the answer costs nothing (no SIGPIPE). A
//        connection has ConnectionDeadlineMs to send its request and at most
//        ConnectionLimit are open at once: past it, a new one is closed at
//        once. When the process is out of descriptors, accepting pauses for
//        AcceptPauseMs rather than spinning.
class HandOverServer : public QObject {
    Q_OBJECT

public:
    static constexpr int ConnectionDeadlineMs = 2000;
    static constexpr int ConnectionLimit = 16;
    static constexpr int AcceptPauseMs = 250;
    static constexpr int NameLimit = 64 * 1024;  // the longest name taken, in bytes

    // `answers`: whom to trust (a peer of this user's alone), as the system says.
    explicit HandOverServer(QObject* parent = nullptr, const TrustAnswers& answers = SystemAnswers())
        : QObject(parent), answers_(answers)
    {
    }
    ~HandOverServer() override;

    // Listens at `socketPath` (a socket left there by a copy that crashed is
    // replaced: the caller holds the single-instance lock). False when it cannot.
    bool Listen(const QString& socketPath);

signals:
    void raiseRequested();
    void readingFileReceived(const QString& path);

private:
    void Accept();
    void Serve(UniqueFd connection);

    TrustAnswers answers_;
    UniqueFd listening_;
    QString path_;
    QSocketNotifier* notifier_ = nullptr;
    int open_ = 0;  // connections being served
};

// HandToRunningCopy — the second start's side
// Inputs:  readingFile  an absolute path, or "" to bring the running window up
//          timeoutMs    the whole exchange, connecting included
// Returns: whether the running copy took it (false: no answer within the time,
//          or a name longer than HandOverServer::NameLimit)
// Notes:   a connection refused for the moment (a full queue, or closed unanswered
//          by a busy copy) is tried again until the time is up.
bool HandToRunningCopy(const QString& socketPath, const QString& readingFile, int timeoutMs = 5000);

// The socket beside the lock, in the private runtime folder `folder` ("" when there is none).
QString HandOverSocketIn(const QString& folder);
