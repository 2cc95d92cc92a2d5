#pragma once

#include <cstdint>
#include <string>

// A part of a program that only some runs need (printing, which brings Qt
// Print Support; the reading tool's pictures, which bring Qt GUI) is a module of its own, loaded when first used, so that
// every other run carries none of its libraries. Modules are looked for
// beside the executable's folder: `modules/` in the build tree, the program's
// library folder when installed.
//
// A module exports one C function, QamarelModuleEntry, that returns its
// entry: a struct that begins with this header. The loader checks the header
// before anything else is called, so that a module of another kind, of an
// older layout or of another build of the program is refused with a reason
// instead of being called with the wrong types.
struct ModuleHeader {
    const char* kind;            // "pictures"
    std::uint32_t layout;        // the entry struct's layout number, raised when it changes
    std::uint32_t size;          // sizeof the entry struct in the module's build
    const char* programVersion;  // QAMAREL_VERSION of the module's build
};

// LoadSharedLibrary — the one way a library is loaded at run time: the
// system's libraries by name (as "libgeonames.so.0", searched as the dynamic
// linker searches) and the program's own modules by path. Loaded at once
// (RTLD_NOW) and kept for the rest of the run.
// Returns: the handle for FindSharedSymbol, or nullptr with `problem` set
//          (the dynamic linker's own words)
void* LoadSharedLibrary(const std::string& nameOrPath, std::string& problem);

// FindSharedSymbol — `symbol` of a library from LoadSharedLibrary; nullptr
// with `problem` set when it has none.
void* FindSharedSymbol(void* library, const char* symbol, std::string& problem);

inline constexpr const char* ModuleEntrySymbol = "QamarelModuleEntry";
using ModuleEntryFunction = const ModuleHeader* (*)();

// LoadCompanionModule — the checked entry of the module `library` (a file name
// such as "libqamarel-pictures.so"), loading it on first use
// Returns: the entry, or nullptr with `problem` set (one line) when the module
//          is missing, cut short, cannot be loaded, or is not of `kind`,
//          `layout`, at least `size` bytes and this program's version
const ModuleHeader* LoadCompanionModule(const std::string& library, const char* kind, std::uint32_t layout,
                                        std::uint32_t size, std::string& problem);

// LoadCompanionModuleFile — the same for the module file at `path` (tried by
// LoadCompanionModule in each folder a module may be in); its problems name
// the file by its name alone.
const ModuleHeader* LoadCompanionModuleFile(const std::string& path, const char* kind, std::uint32_t layout,
                                            std::uint32_t size, std::string& problem);

// ModuleHeaderOf<Entry> — the header a module's entry begins with, from the
// entry struct's Kind, Layout and size, and the module's QAMAREL_VERSION.
template <typename Entry>
constexpr ModuleHeader ModuleHeaderOf(const char* programVersion)
{
    return {Entry::Kind, Entry::Layout, static_cast<std::uint32_t>(sizeof(Entry)), programVersion};
}

// LoadCompanionModule<Entry> — the same for the module an entry struct
// describes: its Library, Kind and Layout, and its size.
template <typename Entry>
const Entry* LoadCompanionModule(std::string& problem)
{
    return reinterpret_cast<const Entry*>(
        LoadCompanionModule(Entry::Library, Entry::Kind, Entry::Layout, sizeof(Entry), problem));
}
