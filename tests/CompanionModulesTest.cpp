#include "base/ProgramVersion.h"
#include "base/CompanionModules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TestEntry {
    ModuleHeader header;
    int answer;
};

// The loader calls a module only when its header says it is of the kind, the
// layout and the build that the caller expects (modules built beside the tests).
TEST(CompanionModulesTest, LoadsOnlyAModuleOfTheKindLayoutAndVersionAsked)
{
    const struct {
        const char* library;
        const char* kind;
        std::uint32_t layout;
        std::string problem;  // "" when loaded
    } cases[] = {
        {"libqamarel-test-good.so", "test", 1, ""},
        {"libqamarel-test-good.so", "pictures", 1, "libqamarel-test-good.so is a test module, not a pictures module"},
        {"libqamarel-test-good.so", "test", 2,
         "libqamarel-test-good.so does not have the layout this Qamarel " QAMAREL_VERSION " expects"},
        {"libqamarel-test-stale.so", "test", 1,
         "libqamarel-test-stale.so is from Qamarel 0.9, not from this Qamarel " QAMAREL_VERSION},
        {"libqamarel-test-absent.so", "test", 1, "libqamarel-test-absent.so is not installed"},
    };
    for (const auto& c : cases) {
        std::string problem;
        const ModuleHeader* header = LoadCompanionModule(c.library, c.kind, c.layout, sizeof(TestEntry), problem);
        EXPECT_EQ(problem, c.problem) << c.library << " as " << c.kind << " " << c.layout;
        if (c.problem.empty()) {
            ASSERT_NE(header, nullptr);
            EXPECT_EQ(reinterpret_cast<const TestEntry*>(header)->answer, 42);
        } else {
            EXPECT_EQ(header, nullptr) << c.library;
        }
    }
}

// An entry smaller than the caller's struct (an older layout that forgot to
// raise its number) is refused rather than read past its end.
TEST(CompanionModulesTest, RefusesAnEntrySmallerThanAsked)
{
    std::string problem;
    EXPECT_EQ(LoadCompanionModule("libqamarel-test-good.so", "test", 1, sizeof(TestEntry) + 8, problem), nullptr);
    EXPECT_FALSE(problem.empty());
}

}  // namespace
