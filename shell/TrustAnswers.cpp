#include "shell/TrustAnswers.h"

#include <sys/file.h>
#include <sys/socket.h>

const TrustAnswers& SystemAnswers()
{
    static const TrustAnswers answers{
        [](int fd, struct stat& info) { return ::fstat(fd, &info); },
        [](int fd) { return ::flock(fd, LOCK_EX | LOCK_NB); },
        [](int fd, uid_t& user) {
            ucred peer{};
            socklen_t size = sizeof peer;
            if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0)
                return -1;
            user = peer.uid;
            return 0;
        },
    };
    return answers;
}
