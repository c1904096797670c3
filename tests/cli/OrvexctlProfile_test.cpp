#include <gtest/gtest.h>
#include <sys/resource.h>

#include <functional>
#include <nlohmann/json.hpp>

#include "cli/OrvexctlRunner.h"
#include "core/profiles/DeviceImage.h"
#include "core/profiles/ProfileFile.h"

namespace orvex {
namespace {

using testing::CommandOutput;
using testing::ReadBinaryFile;
using testing::RunOrvexctlBinary;
using testing::TempFolder;
using testing::WriteTextFile;

ProfileRecord ProfileWithMacros() {
    ProfileRecord record = MakeDefaultProfile();
    record.name = u"Raid Ω";
    record.definedModeValue = 200;
    record.zoneColours[1] = 0x000000FF;
    record.buttons[3] = {3, 14, 21, 3};
    record.buttonMacros[3] = {
        u"Burst",
        21,
        {{kKeyEventType, 0x20, kEventPress, 5}, {kKeyEventType, 0x20, kEventRelease, 16777216}}};
    record.buttons[7] = {7, 13, 0x41, 15};
    return record;
}

class OrvexctlProfileTest : public ::testing::Test {
  protected:
    TempFolder temp;
};

TEST_F(OrvexctlProfileTest, SavedProfileSurvivesJsonRoundTripByteForByte) {
    const auto original = temp / "original.profile";
    ASSERT_TRUE(SaveProfile(ProfileWithMacros(), original));

    const CommandOutput json = RunOrvexctlBinary({"profile", "to-json", original.string()});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    WriteTextFile(temp / "p.json", json.out);
    const auto rebuilt = temp / "rebuilt.profile";
    const CommandOutput written =
        RunOrvexctlBinary({"profile", "from-json", (temp / "p.json").string(), rebuilt.string()});
    ASSERT_EQ(written.exitCode, 0) << written.err;
    EXPECT_EQ(ReadBinaryFile(rebuilt), ReadBinaryFile(original));

    const CommandOutput again = RunOrvexctlBinary({"profile", "to-json", rebuilt.string()});
    EXPECT_EQ(again.out, json.out);
    EXPECT_EQ(nlohmann::json::parse(json.out)["definedModeValue"], 200);
}

TEST_F(OrvexctlProfileTest, MissingKeysKeepTheirDefaults) {
    WriteTextFile(temp / "p.json", R"({"name": "Only a name", "liftDistance": 20})");
    const auto out = temp / "p.profile";
    ASSERT_EQ(RunOrvexctlBinary({"profile", "from-json", (temp / "p.json").string(), out.string()})
                  .exitCode,
              0);
    ProfileRecord loaded = MakeDefaultProfile();
    ASSERT_EQ(LoadProfile(out, loaded), ProfileLoadStatus::Loaded);
    ProfileRecord expected = MakeDefaultProfile();
    expected.name = u"Only a name";
    expected.liftDistance = 20;
    EXPECT_EQ(loaded, expected);
}

TEST_F(OrvexctlProfileTest, BadJsonIsRejectedNamingTheProblem) {
    const struct {
        const char* json;
        const char* mentioned;
    } cases[] = {
        {R"({"name": "x",)", "not valid JSON"},
        {R"([1, 2])", "expected an object"},
        {R"({"colour": 1})", "'colour': unknown key"},
        {R"({"enabled": "yes"})", "'enabled': expected an integer"},
        {R"({"pointerSpeed": 256})", "'pointerSpeed': 256 is outside 0..255"},
        {R"({"reportInterval": -32769})", "'reportInterval'"},
        {R"({"definedModeValue": 1.5})", "'definedModeValue': expected an integer"},
        {R"({"resolutionSteps": [[400, 400], [800, 800]]})", "'resolutionSteps': expected 3"},
        {R"({"zoneColours": [1, 2, 3, 4294967296]})", "'zoneColours[3]'"},
        {R"({"buttons": [{"button": 1}, {}, {}, {}, {}, {}, {}, {}, {}]})",
         "'buttons[0].button': must be 0"},
        {R"({"buttonMacros": [{"events": [{"type": 1, "kind": 2}]}, {}, {}, {}, {}, {}, {}, {}, {}]})",
         "'buttonMacros[0].events[0].kind': unknown key"},
    };
    for (const auto& c : cases) {
        WriteTextFile(temp / "bad.json", c.json);
        const CommandOutput output = RunOrvexctlBinary(
            {"profile", "from-json", (temp / "bad.json").string(), (temp / "out").string()});
        EXPECT_EQ(output.exitCode, 1) << c.json;
        EXPECT_NE(output.err.find(c.mentioned), std::string::npos)
            << c.json << " -> " << output.err;
        EXPECT_FALSE(std::filesystem::exists(temp / "out")) << c.json;
    }
}

std::string ArrayOfZeros(std::size_t count) {
    std::string text;
    text.reserve(2 * count + 1);
    text += "[0";
    for (std::size_t i = 1; i < count; ++i) {
        text += ",0";
    }
    return text + "]";
}

// Documents built to exhaust the reader: each is refused from its first megabytes, naming the
// problem, and no profile is written.
TEST_F(OrvexctlProfileTest, HostileJsonIsRefusedBeforeItIsBuilt) {
    const std::filesystem::path bad = temp / "bad.json";
    const std::filesystem::path out = temp / "out";
    const struct {
        const char* name;
        std::function<void()> write;
        const char* mentioned;
    } cases[] = {
        {"nesting 100,000 deep",
         [&] { WriteTextFile(bad, std::string(100'000, '[') + std::string(100'000, ']')); },
         "nested deeper than 32 levels at byte 32"},
        {"an array of 10 million elements", [&] { WriteTextFile(bad, ArrayOfZeros(10'000'000)); },
         "too large for a profile"},
        {"an array of 300,000 elements", [&] { WriteTextFile(bad, ArrayOfZeros(300'000)); },
         "more than 250000 values"},
        {"a file of 300 MB",
         [&] {
             WriteTextFile(bad, "{");
             std::filesystem::resize_file(bad, 300u * 1024u * 1024u);
         },
         "too large for a profile"},
    };
    for (const auto& c : cases) {
        c.write();
        const CommandOutput output =
            RunOrvexctlBinary({"profile", "from-json", bad.string(), out.string()});
        EXPECT_EQ(output.exitCode, 1) << c.name;
        EXPECT_NE(output.err.find(c.mentioned), std::string::npos)
            << c.name << " -> " << output.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.name;
    }
    // The high-water mark of every child this test program waited for, these runs included.
    // AddressSanitizer's shadow and its quarantine of freed memory make a sanitized run's peak
    // say nothing about the program's own.
#ifndef __SANITIZE_ADDRESS__
    rusage children{};
    ASSERT_EQ(getrusage(RUSAGE_CHILDREN, &children), 0);
    EXPECT_LT(children.ru_maxrss, 100 * 1024) << "kB resident at the peak of an orvexctl run";
#endif
}

TEST_F(OrvexctlProfileTest, DamagedProfileFilesAreRejected) {
    ASSERT_TRUE(SaveProfile(ProfileWithMacros(), temp / "good.profile"));
    const std::string good = ReadBinaryFile(temp / "good.profile");
    WriteTextFile(temp / "short.profile", good.substr(0, good.size() / 2));
    WriteTextFile(temp / "text.profile", "hello, I am not a profile");

    for (const char* name : {"short.profile", "text.profile", "missing.profile"}) {
        for (const char* command : {"show", "to-json"}) {
            const CommandOutput output =
                RunOrvexctlBinary({"profile", command, (temp / name).string()});
            EXPECT_EQ(output.exitCode, 1) << name << ' ' << command;
            EXPECT_NE(output.err.find(name), std::string::npos) << output.err;
        }
    }
}

TEST_F(OrvexctlProfileTest, ImageIsTheBuiltImageForTheChosenSlot) {
    ProfileRecord record = ProfileWithMacros();
    ASSERT_TRUE(SaveProfile(record, temp / "p.profile"));
    const CommandOutput raw =
        RunOrvexctlBinary({"image", (temp / "p.profile").string(), "--slot", "4"});
    ASSERT_EQ(raw.exitCode, 0) << raw.err;
    record.slotIndex = 3;
    const DeviceImageBuild build = BuildDeviceImage(record);
    EXPECT_EQ(raw.out, std::string(build.image->begin(), build.image->end()));

    const CommandOutput hex = RunOrvexctlBinary({"image", (temp / "p.profile").string(), "--hex"});
    EXPECT_EQ(hex.out.substr(0, 12), "00 52 61 69 ");  // slot 0, then "Rai"
}

TEST_F(OrvexctlProfileTest, ImageOverTheMacroEventLimitIsRefused) {
    ProfileRecord record = MakeDefaultProfile();
    for (std::size_t button : {0u, 1u}) {
        record.buttons[button].code = 14;
        record.buttons[button].param = static_cast<std::int16_t>(20 + button);
        ProfileMacro macro{u"Long", static_cast<std::int32_t>(20 + button), {}};
        macro.events.assign(130, CMacroEvent{kKeyEventType, 0x41, kEventRelease, 1});
        record.buttonMacros[button] = macro;
    }
    ASSERT_TRUE(SaveProfile(record, temp / "long.profile"));
    const CommandOutput output = RunOrvexctlBinary({"image", (temp / "long.profile").string()});
    EXPECT_EQ(output.exitCode, 4);
    EXPECT_TRUE(output.out.empty());
    EXPECT_NE(output.err.find("256 macro events"), std::string::npos) << output.err;
}

}  // namespace
}  // namespace orvex
