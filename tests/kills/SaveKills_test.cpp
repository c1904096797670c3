#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/macros/MacroFileFormat.h"
#include "core/macros/MacroFolder.h"
#include "core/profiles/ConfigFolders.h"
#include "core/profiles/TempFolder.h"
#include "kills/SaveScenarios.h"

// The save paths of Apply and of an export, killed at every write, rename and removal they make:
// whatever moment a crash hits, each file is its old or its new version, the macro folder loads
// every macro it held (or every new one), and the next save leaves exactly the new files.
namespace orvex::kills {
namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<std::uint8_t>;
using Tree = std::map<std::string, Bytes>;  // every file below a root, by its relative path
using MacrosById = std::map<std::int32_t, Bytes>;

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Tree ReadTree(const fs::path& root) {
    Tree tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            tree[fs::relative(entry.path(), root).generic_string()] = ReadBytes(entry.path());
        }
    }
    return tree;
}

void PutTree(const fs::path& root, const Tree& tree) {
    for (const auto& entry : fs::directory_iterator(root)) {
        fs::remove_all(entry.path());
    }
    for (const auto& [name, bytes] : tree) {
        const fs::path path = root / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
}

bool IsTemporaryFile(const std::string& name) {
    return name.ends_with(".tmp");
}

// The macros the folder loads, each as its file's bytes; `skipped` and twice-loaded ids are
// failures of the test.
MacrosById LoadMacros(const fs::path& folder) {
    const MacroFolderContents contents = LoadMacroFolder(folder);
    EXPECT_EQ(contents.skipped, 0u) << "the list names a file that does not load";
    MacrosById macros;
    for (const auto& macro : contents.macros) {
        EXPECT_TRUE(macros.emplace(macro->id, EncodeMacroFile(*macro)).second)
            << "macro " << macro->id << " loads twice";
    }
    return macros;
}

std::set<std::int32_t> Ids(const MacrosById& macros) {
    std::set<std::int32_t> ids;
    for (const auto& [id, bytes] : macros) {
        ids.insert(id);
    }
    return ids;
}

struct DriverRun {
    bool killed = false;
    int exitCode = -1;
    long calls = 0;
};

DriverRun RunDriver(const fs::path& root, SaveScenario scenario, long killPoint) {
    int output[2];
    if (pipe(output) != 0) {
        ADD_FAILURE() << "no pipe";
        return {};
    }
    const std::string scenarioArgument = std::to_string(static_cast<int>(scenario));
    const std::string pointArgument = std::to_string(killPoint);
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        execl(SAVE_KILL_DRIVER_PATH, SAVE_KILL_DRIVER_PATH, root.c_str(), scenarioArgument.c_str(),
              pointArgument.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(output[1]);
    std::string text;
    char buffer[64];
    for (ssize_t got; (got = read(output[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(got));
    }
    close(output[0]);
    int status = 0;
    waitpid(child, &status, 0);
    DriverRun run;
    run.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.calls = text.empty() ? 0 : std::stol(text);
    return run;
}

// Temporary files as the next start finds them: the crash that left them happened a while ago.
void AgeTemporaryFiles(const fs::path& root) {
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (IsTemporaryFile(entry.path().filename().string())) {
            fs::last_write_time(entry.path(),
                                fs::file_time_type::clock::now() - std::chrono::hours(1));
        }
    }
}

class SaveKillTest : public ::testing::TestWithParam<SaveScenario> {
  protected:
    testing::TempFolder temp;
    SaveLayout layout{temp.path()};
    fs::path macroFolder = MacroFolderPath(layout.programFolder);
    std::string macroFolderName = fs::relative(macroFolder, temp.path()).generic_string() + "/";

    std::string macroListName = macroFolderName + "macroList.dat";

    bool InMacroFolder(const std::string& name) const { return name.starts_with(macroFolderName); }

    // Every file of the old or the new save is there in one of its two versions (a macro file
    // the new save drops may be gone); anything else is a temporary file or a macro file no list
    // names yet.
    void ExpectOldOrNewFiles(const Tree& before, const Tree& after) const {
        const Tree now = ReadTree(temp.path());
        for (const auto& [name, bytes] : now) {
            const auto old = before.find(name);
            const auto fresh = after.find(name);
            if (old == before.end() && fresh == after.end()) {
                EXPECT_TRUE(IsTemporaryFile(name) || InMacroFolder(name)) << name << " is new";
                continue;
            }
            if (name == macroListName) {
                continue;  // may be an interim list; what it names is checked by loading it
            }
            EXPECT_TRUE((old != before.end() && bytes == old->second) ||
                        (fresh != after.end() && bytes == fresh->second))
                << name << " is neither its old nor its new version";
        }
        for (const auto& [name, bytes] : before) {
            EXPECT_TRUE(now.contains(name) || IsTemporaryFile(name) ||
                        (InMacroFolder(name) && !after.contains(name)))
                << name << " is gone";
        }
    }
};

TEST_P(SaveKillTest, EveryKillLeavesOldOrNewFilesAndTheNextSaveLeavesTheNewOnes) {
    const SaveScenario scenario = GetParam();
    WriteFilesBefore(scenario, layout);
    AgeTemporaryFiles(temp.path());
    const Tree before = ReadTree(temp.path());
    const MacrosById oldMacros = LoadMacros(macroFolder);

    const DriverRun complete = RunDriver(temp.path(), scenario, 0);
    ASSERT_EQ(complete.exitCode, 0);
    const Tree after = ReadTree(temp.path());
    const MacrosById newMacros = LoadMacros(macroFolder);
    // At least a write and a rename per slot file: the driver's counting is in place.
    ASSERT_GE(complete.calls, 2 * kSlotCount);

    std::printf("%s: %ld kill points\n", ScenarioName(scenario).c_str(), 2 * complete.calls);
    for (long point = 1; point <= 2 * complete.calls; ++point) {
        SCOPED_TRACE("killed at point " + std::to_string(point) + " of " +
                     std::to_string(2 * complete.calls));
        PutTree(temp.path(), before);
        AgeTemporaryFiles(temp.path());
        ASSERT_TRUE(RunDriver(temp.path(), scenario, point).killed);

        ExpectOldOrNewFiles(before, after);
        const MacrosById loaded = LoadMacros(macroFolder);
        const std::set<std::int32_t> ids = Ids(loaded);
        EXPECT_TRUE(ids == Ids(oldMacros) || ids == Ids(newMacros)) << "macros lost or mixed";
        for (const auto& [id, bytes] : loaded) {
            EXPECT_TRUE((oldMacros.contains(id) && oldMacros.at(id) == bytes) ||
                        (newMacros.contains(id) && newMacros.at(id) == bytes))
                << "macro " << id << " is neither its old nor its new version";
        }

        AgeTemporaryFiles(temp.path());
        ASSERT_TRUE(SaveAfter(scenario, layout));
        EXPECT_EQ(ReadTree(temp.path()), after) << "the next save leaves other files";
        if (HasFailure()) {
            break;  // one point's story is enough to read
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, SaveKillTest,
                         ::testing::Values(SaveScenario::FirstSave, SaveScenario::EditedAndDeleted,
                                           SaveScenario::NamesChangingHands,
                                           SaveScenario::AfterAKilledSave),
                         [](const auto& test) { return ScenarioName(test.param); });

}  // namespace
}  // namespace orvex::kills
