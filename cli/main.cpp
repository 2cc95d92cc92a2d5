// qamarel-reading: the lunar mansion reading of a birth, from a script or a spreadsheet.
#include "cli/FdStreams.h"
#include "cli/ReadingTool.h"

#include <cstring>
#include <iostream>

#include <unistd.h>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    // Standard streams on the descriptors themselves, so that a read error is
    // seen with its reason and a write that fails is never taken for success.
    FdInBuf inBuffer(STDIN_FILENO);
    FdOutBuf outBuffer(STDOUT_FILENO);
    std::istream in(&inBuffer);
    std::ostream out(&outBuffer);
    int status = RunReadingTool(args, in, out, std::cerr);
    // The last chance for the system to say the output did not arrive
    // (a network file system reports late).
    if (outBuffer.written() > 0 && ::close(STDOUT_FILENO) != 0 && status != ToolOutputFailed) {
        std::cerr << "qamarel-reading: output failed: " << std::strerror(errno) << '\n';
        status = ToolOutputFailed;
    }
    return status;
}
