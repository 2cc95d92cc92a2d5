// qamarel-reading: the lunar mansion reading of a birth, from a script or a spreadsheet.
#include "cli/ReadingTool.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = RunReadingTool(args, std::cin, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
