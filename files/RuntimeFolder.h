#pragma once

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

// RuntimeFolderCandidates — where the program named `program` looks, in
// order: $XDG_RUNTIME_DIR; "program" in the cache folder ($XDG_CACHE_HOME, or
// ~/.cache, made when missing); "program-UID" in the temporary folder
// ($TMPDIR, or /tmp).
std::vector<std::string> RuntimeFolderCandidates(const std::string& program);
