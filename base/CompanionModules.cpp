#include "base/CompanionModules.h"

#include "base/ProgramVersion.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstring>
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

void* LoadSharedLibrary(const std::string& nameOrPath, std::string& problem)
{
    void* handle = ::dlopen(nameOrPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* error = ::dlerror();
        problem = error ? error : nameOrPath + " cannot be loaded";
    }
    return handle;
}

void* FindSharedSymbol(void* library, const char* symbol, std::string& problem)
{
    ::dlerror();  // a symbol may be null: only a new error says it is missing
    void* found = ::dlsym(library, symbol);
    if (const char* error = ::dlerror(); !found && error)
        problem = error;
    else if (!found)
        problem = std::string(symbol) + " is missing";
    return found;
}

const ModuleHeader* LoadCompanionModule(const std::string& library, const char* kind, std::uint32_t layout,
                                        std::uint32_t size, std::string& problem)
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
        // Kept loaded for the rest of the run: what it returns points into it.
        void* handle = LoadSharedLibrary(path, errors);
        if (!handle)
            continue;
        std::string missing;
        const auto entry = reinterpret_cast<ModuleEntryFunction>(FindSharedSymbol(handle, ModuleEntrySymbol, missing));
        const ModuleHeader* header = entry ? entry() : nullptr;
        if (!header) {
            errors = library + " is not a module of this program";
        } else if (std::strcmp(header->kind, kind) != 0) {
            errors = library + " is a " + header->kind + " module, not a " + kind + " module";
        } else if (std::strcmp(header->programVersion, QAMAREL_VERSION) != 0) {
            errors = library + " is from Qamarel " + header->programVersion + ", not from this Qamarel " QAMAREL_VERSION;
        } else if (header->layout != layout || header->size < size) {
            errors = library + " does not have the layout this Qamarel " QAMAREL_VERSION " expects";
        } else {
            return header;
        }
        ::dlclose(handle);
    }
    problem = errors.empty() ? library + " is not installed" : errors;
    return nullptr;
}
