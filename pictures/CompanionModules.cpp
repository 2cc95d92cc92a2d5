#include "pictures/CompanionModules.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <vector>

namespace {

// The folder of the running executable.
std::string ExecutableFolder()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    const std::string executable(path, static_cast<std::size_t>(length));
    return executable.substr(0, executable.find_last_of('/'));
}

}  // namespace

void* LoadCompanionSymbol(const std::string& library, const char* symbol, std::string& problem)
{
    const std::string folder = ExecutableFolder();
    // Installed: the library folder as seen from the program folder; built:
    // the build tree's modules folder beside each executable's folder.
    const std::vector<std::string> candidates = {folder + "/" QAMAREL_MODULES_FROM_BIN "/" + library,
                                                 folder + "/../modules/" + library};
    std::string errors;
    for (const std::string& path : candidates) {
        if (::access(path.c_str(), R_OK) != 0)
            continue;
        void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            errors = ::dlerror();
            continue;
        }
        if (void* found = ::dlsym(handle, symbol))
            return found;
        errors = library + " has no " + symbol;
    }
    problem = errors.empty() ? library + " is not installed" : errors;
    return nullptr;
}
