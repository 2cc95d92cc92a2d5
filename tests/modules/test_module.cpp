// A module for the loader's tests: its header is set by the build
// (TEST_MODULE_KIND, TEST_MODULE_LAYOUT, TEST_MODULE_VERSION).
#include "base/CompanionModules.h"

namespace {

struct TestEntry {
    ModuleHeader header;
    int answer;
};

const TestEntry Entry{{TEST_MODULE_KIND, TEST_MODULE_LAYOUT, sizeof(TestEntry), TEST_MODULE_VERSION}, 42};

}  // namespace

extern "C" __attribute__((visibility("default"))) const ModuleHeader* QamarelModuleEntry()
{
    return &Entry.header;
}
