#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The per-user private folder of a program's runtime files (the program's
// lock and hand-over socket; Qt's runtime folder for the reading tool's
// pictures), found the same way by every part that needs it.

// PrivateFolder — the first of `candidates` that is a folder of this user's
// alone: owned by the user, no access for anyone else, not a symbolic link.
// A candidate that does not exist is made (mode 0700) when its parent exists.
// Returns "" when none is.
std::string PrivateFolder(const std::vector<std::string>& candidates);

// RuntimeFolder — the private runtime folder of the program named `program`:
// the first of $XDG_RUNTIME_DIR; "program" in the cache folder
// ($XDG_CACHE_HOME, or ~/.cache, made when missing); "program-UID" in the
// temporary folder ($TMPDIR, or /tmp) that PrivateFolder takes and whose path
// is at most `longestPath` bytes (a socket's address holds little more than
// 100). A variable that holds a relative path is taken as unset, as the XDG
// base directory rules have it: the folder would depend on the folder the
// program was started from. When none is taken (another user made
// "program-UID" first, say), a folder of the program's own making,
// "program-UID-XXXXXX" in the temporary folder (mkdtemp), which every later
// start finds again under the same checks. "" when there is none.
std::string RuntimeFolder(const std::string& program, std::size_t longestPath = std::string::npos);
