// Profiles named by slot number, and profile get/set of single settings.
#include <gtest/gtest.h>

#include "cli/OrvexctlRunner.h"
#include "core/profiles/ConfigFolders.h"
#include "core/profiles/DeviceImage.h"
#include "core/profiles/ProfileFile.h"
#include "core/profiles/ProfileSlots.h"

namespace orvex {
namespace {

using testing::CommandOutput;
using testing::ReadBinaryFile;
using testing::RunOrvexctlBinary;
using testing::TempFolder;

class OrvexctlProfileSettingTest : public ::testing::Test {
  protected:
    CommandOutput Run(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), {"--simulate=" + (temp / "mouse.state").string(),
                                             "--config-dir", Folder().string()});
        return RunOrvexctlBinary(arguments);
    }

    std::filesystem::path Folder() const { return temp / "config"; }
    std::filesystem::path SlotFile(int slot) const { return SlotProfilePath(Folder(), slot); }

    std::string Get(int slot, const std::string& key) const {
        const CommandOutput output = Run({"profile", "get", std::to_string(slot), key});
        EXPECT_EQ(output.exitCode, 0) << key << ": " << output.err;
        return output.out;
    }

    TempFolder temp;
};

TEST_F(OrvexctlProfileSettingTest, SetValuesReadBackAsGetPrintsThem) {
    const struct {
        std::vector<std::string> values;
        const char* key;
        const char* printed;
    } table[] = {
        {{"800,800", "1600,1600", "3200,3200"}, "resolutionSteps", "800,800 1600,1600 3200,3200"},
        {{"1000,500"}, "resolutionSteps[2]", "1000 500"},
        {{"1000", "600"}, "resolutionSteps[2]", "1000 600"},
        {{"4"}, "lightingEffect", "4"},
        {{"Sniper Ω"}, "name", "Sniper Ω"},
        {{"0xff", "0x00ff00", "16711680", "0"}, "zoneColours", "255 65280 16711680 0"},
        {{"-2"}, "reportInterval", "-2"},
        {{"14"}, "buttons[3].code", "14"},
        {{R"({"button": 5, "code": 13, "param": 65})"},
         "buttons[5]",
         R"({"button":5,"code":13,"param":65})"},
    };
    for (const auto& row : table) {
        std::vector<std::string> command{"profile", "set", "2", row.key};
        command.insert(command.end(), row.values.begin(), row.values.end());
        const CommandOutput set = Run(command);
        ASSERT_EQ(set.exitCode, 0) << row.key << ": " << set.err;
        EXPECT_EQ(Get(2, row.key), std::string(row.printed) + "\n");
    }
    // Each set kept the others: the file holds all of them.
    ProfileRecord saved = MakeDefaultProfile();
    ASSERT_EQ(LoadProfile(SlotFile(2), saved), ProfileLoadStatus::Loaded);
    EXPECT_EQ(saved.name, u"Sniper Ω");
    EXPECT_EQ(saved.lightingEffect, 4);
    EXPECT_EQ(saved.resolutionSteps[2].y, 600);
    EXPECT_EQ(saved.buttons[3].code, 14);
    EXPECT_EQ(saved.buttons[5].param, 65);
}

TEST_F(OrvexctlProfileSettingTest, RefusedValuesExitOneAndLeaveTheFileAsItWas) {
    ASSERT_EQ(Run({"profile", "set", "3", "liftDistance", "20"}).exitCode, 0);
    const std::string before = ReadBinaryFile(SlotFile(3));
    const struct {
        std::vector<std::string> arguments;
        const char* mentioned;
    } table[] = {
        {{"pointerSpeed", "256"}, "256 is outside 0..255"},
        {{"pointerSpeed", "fast"}, "not a whole number"},
        {{"pointerSpeed", "1", "2"}, "takes one value"},
        {{"resolutionSteps", "800,800", "1600,1600"}, "expected 3 entries"},
        {{"resolutionSteps", "800,x", "1,1", "2,2"}, "not a whole number"},
        {{"buttons[3].button", "4"}, "must be 3"},
        {{"buttons[9]", "{}"}, "no such setting"},
        {{"colour", "1"}, "no such setting"},
        {{"buttons[x]", "1"}, "index"},
        {{"buttons[2]", "{oops"}, "not valid JSON"},
    };
    for (const auto& row : table) {
        std::vector<std::string> command{"profile", "set", "3"};
        command.insert(command.end(), row.arguments.begin(), row.arguments.end());
        const CommandOutput output = Run(command);
        EXPECT_EQ(output.exitCode, 1) << row.arguments[0];
        EXPECT_NE(output.err.find(row.mentioned), std::string::npos)
            << row.arguments[0] << " -> " << output.err;
        EXPECT_EQ(ReadBinaryFile(SlotFile(3)), before) << row.arguments[0];
    }
}

TEST_F(OrvexctlProfileSettingTest, AMissingSlotFileReadsAsTheSlotsDefaults) {
    EXPECT_EQ(Get(4, "name"), "Profile4\n");
    EXPECT_EQ(Run({"profile", "show", "4"}).exitCode, 0);
    EXPECT_EQ(Run({"profile", "to-json", "4"}).exitCode, 0);

    // Its image is the one apply sends for that slot.
    const CommandOutput image = Run({"image", "4"});
    ASSERT_EQ(image.exitCode, 0) << image.err;
    const DeviceImageBuild build = BuildDeviceImage(LoadSlotProfiles(Folder()).records[3]);
    EXPECT_EQ(image.out, std::string(build.image->begin(), build.image->end()));
    EXPECT_FALSE(std::filesystem::exists(SlotFile(4))) << "reading never writes";

    // A path is taken as it is: a missing file is an error.
    const CommandOutput missing = Run({"profile", "show", (temp / "nope.profile").string()});
    EXPECT_EQ(missing.exitCode, 1);
}

TEST_F(OrvexctlProfileSettingTest, ADamagedSlotFileIsNotOverwritten) {
    ASSERT_TRUE(CreateFolderPath(SlotFile(1).parent_path()));
    testing::WriteTextFile(SlotFile(1), "not a profile");
    const CommandOutput output = Run({"profile", "set", "1", "lightingEffect", "2"});
    EXPECT_EQ(output.exitCode, 1);
    EXPECT_NE(output.err.find("Default1.profile"), std::string::npos) << output.err;
    EXPECT_EQ(ReadBinaryFile(SlotFile(1)), "not a profile");
}

TEST_F(OrvexctlProfileSettingTest, FromJsonWritesASlot) {
    testing::WriteTextFile(temp / "p.json", R"({"name": "From JSON", "angleSnap": 1})");
    ASSERT_EQ(Run({"profile", "from-json", (temp / "p.json").string(), "5"}).exitCode, 0);
    EXPECT_EQ(Get(5, "name"), "From JSON\n");
    EXPECT_EQ(Get(5, "angleSnap"), "1\n");
}

TEST_F(OrvexctlProfileSettingTest, SetWithApplyPutsTheFiveSlotsOnTheMouseByteForByte) {
    ASSERT_EQ(Run({"active", "4"}).exitCode, 0);
    const CommandOutput set = Run(
        {"profile", "set", "2", "resolutionSteps", "800,800", "1600,1600", "3200,3200", "--apply"});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(set.out, "slot 1: done\nslot 2: done\nslot 3: done\nslot 4: done\nslot 5: done\n");

    const SlotProfiles slots = LoadSlotProfiles(Folder());
    EXPECT_EQ(slots.records[1].resolutionSteps[2].x, 3200);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const DeviceImageBuild build = BuildDeviceImage(slots.records[slot - 1]);
        EXPECT_EQ(Run({"sim", "image", std::to_string(slot)}).out,
                  std::string(build.image->begin(), build.image->end()))
            << "slot " << slot;
    }
    EXPECT_EQ(Run({"active"}).out, "4\n") << "the mouse keeps its active profile";

    const CommandOutput onAFile =
        Run({"profile", "set", SlotFile(2).string(), "angleSnap", "1", "--apply"});
    EXPECT_EQ(onAFile.exitCode, 1);
    EXPECT_NE(onAFile.err.find("slot number"), std::string::npos);
}

}  // namespace
}  // namespace orvex
