#pragma once

#include <string>

// Parts of the program that only some runs need (printing, the reading
// tool's pictures) are modules of their own, loaded when first used, so that
// every other start carries none of their libraries. They are looked for
// beside the executable's folder: `modules/` in the build tree, the
// program's library folder when installed.

// LoadCompanionSymbol — `symbol` of the module `library` (a file name such
// as "libqamarel-printing.so"), loading it on first use
// Returns: the symbol, or nullptr with `problem` set (one line)
void* LoadCompanionSymbol(const std::string& library, const char* symbol, std::string& problem);
