#include "base/ProgramVersion.h"
#include "base/CompanionModules.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

// A module file cut short (a copy or a download that stopped, a full disk) is
// refused with a reason before the dynamic linker maps it: mapped, its missing
// pages would end the run with SIGBUS. The copies are made in the folder the
// test runs in (the build tree): TMPDIR may forbid running code from its files.
TEST(CompanionModulesTest, RefusesAModuleFileCutShort)
{
    std::ifstream in(QAMAREL_TEST_MODULE_FILE, std::ios::binary);
    const std::vector<char> whole{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_GT(whole.size(), 8192u);
    std::string folderName = (std::filesystem::current_path() / "module-copies.XXXXXX").string();
    ASSERT_NE(::mkdtemp(folderName.data()), nullptr);
    const std::filesystem::path folder = folderName;
    const std::string size = std::to_string(whole.size());

    const struct {
        const char* copy;
        std::size_t length;
        std::string problem;  // "" when loaded
    } cases[] = {
        {"whole", whole.size(), ""},
        {"8-kib", 8192, "libqamarel-test-good.so is cut short: 8192 bytes of the " + size + " it needs"},
        {"half", whole.size() / 2,
         "libqamarel-test-good.so is cut short: " + std::to_string(whole.size() / 2) + " bytes of the " + size +
             " it needs"},
        {"last-byte-missing", whole.size() - 1,
         "libqamarel-test-good.so is cut short: " + std::to_string(whole.size() - 1) + " bytes of the " + size +
             " it needs"},
    };
    for (const auto& c : cases) {
        // A folder a copy: the dynamic linker would take a second file of one path for the first.
        const std::filesystem::path path = folder / c.copy / "libqamarel-test-good.so";
        std::filesystem::create_directory(path.parent_path());
        std::ofstream(path, std::ios::binary).write(whole.data(), static_cast<std::streamsize>(c.length));
        std::string problem;
        const ModuleHeader* header = LoadCompanionModuleFile(path.string(), "test", 1, sizeof(TestEntry), problem);
        EXPECT_EQ(problem, c.problem) << c.copy;
        if (c.problem.empty()) {
            ASSERT_NE(header, nullptr) << c.copy;
            EXPECT_EQ(reinterpret_cast<const TestEntry*>(header)->answer, 42);
        } else {
            EXPECT_EQ(header, nullptr) << c.copy;
        }
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
