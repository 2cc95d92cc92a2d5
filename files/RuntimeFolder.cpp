#include "files/RuntimeFolder.h"

#include <cerrno>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

std::string PrivateFolder(const std::vector<std::string>& candidates)
{
    for (const std::string& folder : candidates) {
        if (folder.empty())
            continue;
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
            continue;
        struct stat info {};
        if (::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
            (info.st_mode & 077) == 0)
            return folder;
    }
    return {};
}

std::vector<std::string> RuntimeFolderCandidates(const std::string& program)
{
    std::vector<std::string> candidates{Environment("XDG_RUNTIME_DIR")};
    std::string cache = Environment("XDG_CACHE_HOME");
    if (cache.empty() || cache[0] != '/') {  // unset, or relative: ignored, as the XDG base directory rules have it
        const std::string home = Environment("HOME");
        cache = home.empty() ? std::string() : home + "/.cache";
    }
    if (!cache.empty()) {
        ::mkdir(cache.c_str(), 0700);  // ~/.cache itself may not exist yet on a fresh account
        candidates.push_back(cache + "/" + program);
    }
    std::string temporary = Environment("TMPDIR");
    if (temporary.empty())
        temporary = "/tmp";
    candidates.push_back(temporary + "/" + program + "-" + std::to_string(::geteuid()));
    return candidates;
}
