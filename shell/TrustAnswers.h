#pragma once

#include <functional>

#include <sys/stat.h>
#include <sys/types.h>

// TrustAnswers — the system's answers that the one-copy lock and the
// hand-over go by before they trust a file or a peer. The program takes the
// system's own (SystemAnswers); a test gives others where a real case cannot
// be made on demand: a lock file of another user's, a lock the system
// refuses for a reason of its own, a peer of another user.
struct TrustAnswers {
    // fstat(2) of the opened lock file: 0, or -1 with errno set.
    std::function<int(int fd, struct stat& info)> fileStatus;
    // flock(2) of it, exclusive and without waiting: 0, or -1 with errno set
    // (EWOULDBLOCK: another process holds it).
    std::function<int(int fd)> tryLock;
    // The user of the process at the other end of a local socket
    // (SO_PEERCRED): 0, or -1 with errno set.
    std::function<int(int fd, uid_t& user)> peerUser;
};

const TrustAnswers& SystemAnswers();
