#include "files/RuntimeFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// An environment variable that names a folder, "" when it is unset or relative.
std::string FolderVariable(const char* name)
{
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? value : "";
}

// Whether `folder` is a folder of this user's alone (looked at, never followed).
bool IsPrivate(const std::string& folder)
{
    struct stat info {};
    return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & 077) == 0;
}

// The temporary folder: $TMPDIR, else (unset, relative, or too long to hold
// `name` within `longestPath`) /tmp.
std::string TemporaryFolder(const std::string& name, std::size_t longestPath)
{
    const std::string temporary = FolderVariable("TMPDIR");
    return temporary.empty() || temporary.size() + 1 + name.size() > longestPath ? "/tmp" : temporary;
}

std::vector<std::string> Candidates(const std::string& program, std::size_t longestPath)
{
    std::vector<std::string> candidates{FolderVariable("XDG_RUNTIME_DIR")};
    std::string cache = FolderVariable("XDG_CACHE_HOME");
    if (cache.empty()) {
        const std::string home = FolderVariable("HOME");
        cache = home.empty() ? std::string() : home + "/.cache";
    }
    if (!cache.empty()) {
        ::mkdir(cache.c_str(), 0700);  // ~/.cache itself may not exist yet on a fresh account
        candidates.push_back(cache + "/" + program);
    }
    const std::string own = program + "-" + std::to_string(::geteuid());
    candidates.push_back(TemporaryFolder(own, longestPath) + "/" + own);
    return candidates;
}

// A folder "program-UID-XXXXXX" of the program's own making in the temporary
// folder: the one an earlier start made (the first by name, of those that are
// this user's alone), else a new one. Two starts at the same instant may each
// make one; that is the only way two copies run side by side here.
std::string MadeFolder(const std::string& program, std::size_t longestPath)
{
    const std::string prefix = program + "-" + std::to_string(::geteuid()) + "-";
    const std::string temporary = TemporaryFolder(prefix + "XXXXXX", longestPath);
    std::vector<std::string> made;
    if (DIR* folder = ::opendir(temporary.c_str())) {
        while (const dirent* entry = ::readdir(folder)) {
            const std::string name = entry->d_name;
            if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0 &&
                IsPrivate(temporary + "/" + name))
                made.push_back(temporary + "/" + name);
        }
        ::closedir(folder);
    }
    if (!made.empty())
        return *std::min_element(made.begin(), made.end());
    std::string pattern = temporary + "/" + prefix + "XXXXXX";
    if (pattern.size() > longestPath || !::mkdtemp(pattern.data()))
        return {};
    return pattern;
}

}  // namespace

std::string PrivateFolder(const std::vector<std::string>& candidates)
{
    for (const std::string& folder : candidates) {
        if (folder.empty())
            continue;
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
            continue;
        if (IsPrivate(folder))
            return folder;
    }
    return {};
}

std::string RuntimeFolder(const std::string& program, std::size_t longestPath)
{
    std::vector<std::string> candidates = Candidates(program, longestPath);
    candidates.erase(std::remove_if(candidates.begin(), candidates.end(),
                                    [longestPath](const std::string& folder) { return folder.size() > longestPath; }),
                     candidates.end());
    const std::string folder = PrivateFolder(candidates);
    return folder.empty() ? MadeFolder(program, longestPath) : folder;
}
