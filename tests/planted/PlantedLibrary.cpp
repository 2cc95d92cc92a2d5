// A library planted in the folder a program is started from, under the name
// of a library the program needs (tests/current_folder_libraries_test.sh):
// when loaded, it leaves the file "planted-library-ran" in that folder.
#include <fcntl.h>
#include <unistd.h>

namespace {

__attribute__((constructor)) void LeaveMark()
{
    const int fd = ::open("planted-library-ran", O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd >= 0)
        ::close(fd);
}

}  // namespace
