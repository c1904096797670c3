#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/OrvexctlRunner.h"
#include "core/profiles/ConfigFolders.h"
#include "core/profiles/FileWrite.h"

namespace orvex {
namespace {

using testing::CommandOutput;
using testing::RunOrvexctlBinary;
using testing::TempFolder;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

bool HasLineStartingWith(const std::vector<std::string>& lines, const std::string& start) {
    for (const std::string& line : lines) {
        if (line.starts_with(start)) {
            return true;
        }
    }
    return false;
}

TEST(OrvexctlVerbose, DebugVariableOrFlagDumpsTheExchangesAndQuietLeavesStderrEmpty) {
    const CommandOutput quiet = RunOrvexctlBinary({"--simulate", "info"});
    ASSERT_EQ(quiet.exitCode, 0) << quiet.err;
    EXPECT_EQ(quiet.err, "");

    const CommandOutput byVariable = RunOrvexctlBinary({"--simulate", "info"}, {"ORVEX_DEBUG=1"});
    const CommandOutput byFlag = RunOrvexctlBinary({"--verbose", "--simulate", "info"});
    for (const CommandOutput& verbose : {byVariable, byFlag}) {
        EXPECT_EQ(verbose.exitCode, 0);
        EXPECT_EQ(verbose.out, quiet.out);
    }
    EXPECT_EQ(byFlag.err, byVariable.err);

    const std::vector<std::string> lines = Lines(byVariable.err);
    for (const char* expected : {
             "orvex[device] list: 3 interface(s); sim:/mouse/0 2a3c:3b19",
             "orvex[device] open sim:/mouse/1: ok",
             // The firmware-version command and the status read that answers it.
             "orvex[device] set report 60 on sim:/mouse/1: 60 02 00 00 ",
             "orvex[device] get report 60 on sim:/mouse/1: 60 01 ",
         }) {
        EXPECT_TRUE(HasLineStartingWith(lines, expected)) << expected << "\n" << byVariable.err;
    }
    for (const std::string& line : lines) {
        EXPECT_TRUE(line.starts_with("orvex[device] ")) << line;
    }
}

TEST(OrvexctlVerbose, ApplyNamesTheSlotFilesThatKeptTheirDefaults) {
    TempFolder temp;
    ASSERT_TRUE(CreateFolderPath(temp / "config" / "Profiles"));
    testing::WriteTextFile(SlotProfilePath(temp / "config", 2), "not a profile");

    const std::vector<std::string> arguments{"--simulate", "--config-dir",
                                             (temp / "config").string(), "apply"};
    const CommandOutput quiet = RunOrvexctlBinary(arguments);
    ASSERT_EQ(quiet.exitCode, 0) << quiet.err;
    EXPECT_EQ(quiet.err, "");

    std::vector<std::string> verboseArguments = arguments;
    verboseArguments.insert(verboseArguments.begin(), "--verbose");
    const std::vector<std::string> lines = Lines(RunOrvexctlBinary(verboseArguments).err);
    const std::string slot2 =
        "orvex[orvexctl] slot 2: " + SlotProfilePath(temp / "config", 2).string() +
        ": not a profile file; uploading its defaults";
    EXPECT_TRUE(HasLineStartingWith(lines, slot2));
    EXPECT_TRUE(HasLineStartingWith(lines, "orvex[orvexctl] slot 1: "));
    EXPECT_TRUE(HasLineStartingWith(lines, "orvex[device] set report 61 on sim:/mouse/1: 61 "));
}

}  // namespace
}  // namespace orvex
