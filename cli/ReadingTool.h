#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

// Exit statuses of qamarel-reading.
enum ReadingToolStatus : int {
    ToolSuccess = 0,
    ToolSomeRowsFailed = 1,  // --batch: at least one row had an error
    ToolRefused = 2,         // bad arguments, bad birth data, a file that is not a reading,
                             // a batch input that could not be read before any row
    ToolOutputFailed = 3,    // standard output or the --save file could not be written
};

// RunReadingTool — the whole tool: arguments after the program name in, output
// and messages out. Standard input is used by "--batch -".
int RunReadingTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);
