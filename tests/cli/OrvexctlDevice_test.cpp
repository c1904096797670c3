#include <gtest/gtest.h>

#include "cli/OrvexctlRunner.h"
#include "core/profiles/ConfigFolders.h"
#include "core/profiles/DeviceImage.h"
#include "core/profiles/ProfileFile.h"
#include "core/profiles/ProfileSlots.h"
#include "sim/VirtualMouseStateFile.h"

namespace orvex {
namespace {

using testing::CommandOutput;
using testing::RunOrvexctlBinary;
using testing::TempFolder;

ProfileMacro MacroOf(std::int32_t id, const std::u16string& name, int presses) {
    ProfileMacro macro{name, id, {}};
    for (int i = 0; i < presses; ++i) {
        macro.AppendEvent({kKeyEventType, 0x41, kEventPress, 10});
        macro.AppendEvent({kKeyEventType, 0x41, kEventRelease, 10});
    }
    return macro;
}

class OrvexctlDeviceTest : public ::testing::Test {
  protected:
    CommandOutput Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--simulate=" + (temp / "mouse.state").string(),
                                             "--config-dir", (temp / "config").string()});
        return RunOrvexctlBinary(arguments);
    }

    sim::VirtualMouseState MouseState() { return sim::LoadMouseState(temp / "mouse.state").state; }

    TempFolder temp;
};

TEST_F(OrvexctlDeviceTest, ApplyUploadsExactlyTheImagesOfTheSlotFiles) {
    const auto folder = temp / "config";
    ASSERT_TRUE(CreateFolderPath(folder / "Profiles"));
    ProfileRecord second = MakeDefaultProfile();
    second.name = u"Sniper";
    second.resolutionSteps[0] = {800, 400};
    second.buttons[2].code = 14;
    second.buttons[2].param = 20;
    second.buttonMacros[2] = MacroOf(20, u"Combo", 3);
    ASSERT_TRUE(SaveProfile(second, SlotProfilePath(folder, 2)));
    ProfileRecord fourth = MakeDefaultProfile();
    fourth.lightingZones = 0;
    ASSERT_TRUE(SaveProfile(fourth, SlotProfilePath(folder, 4)));

    const CommandOutput applied = Run({"apply", "--active", "2"});
    ASSERT_EQ(applied.exitCode, 0) << applied.err;
    EXPECT_EQ(applied.out,
              "slot 1: done\nslot 2: done\nslot 3: done\nslot 4: done\nslot 5: done\n");

    const SlotProfiles expected = LoadSlotProfiles(folder);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const CommandOutput image = Run({"sim", "image", std::to_string(slot)});
        ASSERT_EQ(image.exitCode, 0) << image.err;
        const DeviceImageBuild build = BuildDeviceImage(expected.records[slot - 1]);
        ASSERT_FALSE(build.refused());
        EXPECT_EQ(image.out, std::string(build.image->begin(), build.image->end()))
            << "slot " << slot;
    }
    EXPECT_EQ(MouseState().activeProfile, 1);
}

TEST_F(OrvexctlDeviceTest, ActiveProfileIsKeptBetweenCommands) {
    ASSERT_EQ(Run({"active", "3"}).exitCode, 0);
    const CommandOutput info = Run({"info"});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(info.out, "firmware: 1.22\nactive profile: 3\n");
    EXPECT_EQ(Run({"active"}).out, "3\n");
}

TEST_F(OrvexctlDeviceTest, UnpluggedMouseIsNotFound) {
    ASSERT_EQ(Run({"sim", "set", "unplugged", "1"}).exitCode, 0);
    for (const auto& command : std::vector<std::vector<std::string>>{
             {"info"}, {"active", "2"}, {"apply"}, {"lod", "test", "12"}, {"surface"}}) {
        const CommandOutput output = Run(command);
        EXPECT_EQ(output.exitCode, 2) << command[0];
        EXPECT_EQ(output.err, "ORVEX SK mouse not found\n") << command[0];
    }
}

TEST_F(OrvexctlDeviceTest, SensorCommandsReachTheMouse) {
    ASSERT_EQ(Run({"sim", "set", "quality", "33"}).exitCode, 0);
    const CommandOutput surface = Run({"surface", "--no-wait"});
    ASSERT_EQ(surface.exitCode, 0) << surface.err;
    EXPECT_EQ(surface.out, "quality: 33\nlevel: 6\n");

    EXPECT_EQ(Run({"lod", "test", "40"}).exitCode, 0);
    EXPECT_EQ(Run({"lod", "save", "2"}).exitCode, 0);
    EXPECT_EQ(MouseState().testedLiftDistance, 31);
    EXPECT_EQ(MouseState().savedLiftDistance, 6);
}

TEST_F(OrvexctlDeviceTest, BusyMouseStillAnswersWithinThePollLimit) {
    ASSERT_EQ(Run({"sim", "set", "busy", "2"}).exitCode, 0);
    EXPECT_EQ(Run({"info"}).exitCode, 0);
}

TEST_F(OrvexctlDeviceTest, RefusedAndFailedCommandsSayWhy) {
    ASSERT_EQ(Run({"sim", "set", "busy", "100"}).exitCode, 0);
    const CommandOutput lod = Run({"lod", "save", "12"});
    EXPECT_EQ(lod.exitCode, 3);
    EXPECT_EQ(lod.err, "Save_LOD failed.\n");

    const CommandOutput badSetting = Run({"sim", "set", "colour", "1"});
    EXPECT_EQ(badSetting.exitCode, 1);
    EXPECT_NE(badSetting.err.find("colour"), std::string::npos);

    const CommandOutput inMemory = RunOrvexctlBinary({"--simulate", "sim", "image", "1"});
    EXPECT_EQ(inMemory.exitCode, 1);
    EXPECT_NE(inMemory.err.find("STATE_FILE"), std::string::npos);
}

TEST(OrvexctlInMemory, FreshVirtualMouseAnswers) {
    const CommandOutput info = RunOrvexctlBinary({"--simulate", "info"});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(info.out, "firmware: 1.22\nactive profile: 1\n");
}

}  // namespace
}  // namespace orvex
