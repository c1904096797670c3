#include "sim/VirtualMouseStateFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "sim/VirtualMouseStateText.h"

namespace orvex::sim {
namespace {

namespace fs = std::filesystem;

// A state in which every field differs from its default.
VirtualMouseState UnusualState() {
    VirtualMouseState state;
    state.firmwareVersion = 0xBEEF;
    state.activeProfile = 4;
    std::mt19937 random(7);
    for (ProfileImage& image : state.images) {
        for (std::uint8_t& byte : image) {
            byte = static_cast<std::uint8_t>(random());
        }
    }
    state.testedLiftDistance = 9;
    state.savedLiftDistance = 31;
    state.surfaceAnalysisStarted = true;
    state.surfaceQuality = 0;
    state.unplugged = true;
    state.status = 1;
    state.reply[0] = 0xAB;
    state.reply[kReplySize - 1] = 0xCD;
    state.faults.busyReads = Faults::kMaxBusyReads;
    state.faults.failedWrite = TransferFault::Always(HidError::FunctionFailed, 0x61);
    state.faults.failedRead = TransferFault::Once(HidError::AccessDenied);
    state.faults.neverDone = true;
    state.faults.activeProfileReply = 5;
    return state;
}

class StateFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("orvex-sim-state-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path Write(const std::string& name, const std::string& text) {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    fs::path folder_;
};

TEST_F(StateFileTest, SaveAndLoadKeepEveryField) {
    const VirtualMouseState state = UnusualState();
    const fs::path path = folder_ / "mouse.state";

    const StateSaveResult saved = SaveMouseState(path, state);
    ASSERT_TRUE(saved.ok) << saved.error;
    const StateLoadResult loaded = LoadMouseState(path);

    ASSERT_EQ(loaded.outcome, StateLoadOutcome::Loaded) << loaded.error;
    EXPECT_EQ(loaded.state, state);
    // Saving again replaces the file and leaves no temporary file behind.
    ASSERT_TRUE(SaveMouseState(path, VirtualMouseState{}).ok);
    EXPECT_EQ(LoadMouseState(path).state, VirtualMouseState{});
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator{}), 1);
}

TEST_F(StateFileTest, MissingFileIsNotAnErrorAndGivesDefaults) {
    const StateLoadResult loaded = LoadMouseState(folder_ / "absent.state");
    EXPECT_EQ(loaded.outcome, StateLoadOutcome::Missing);
    EXPECT_EQ(loaded.state, VirtualMouseState{});
}

TEST_F(StateFileTest, HandWrittenFileNamesOnlyWhatItChanges) {
    const StateLoadResult loaded = LoadMouseState(Write("faults.state",
                                                        "orvex-virtual-mouse 1\r\n"
                                                        "# a busy mouse whose uploads fail\r\n"
                                                        "\r\n"
                                                        "fault-busy-reads 3\r\n"
                                                        "fault-write-error crc\r\n"
                                                        "fault-write-repeat always\r\n"
                                                        "fault-write-report 0x61\r\n"
                                                        "firmware 154"));
    ASSERT_EQ(loaded.outcome, StateLoadOutcome::Loaded) << loaded.error;
    VirtualMouseState expected;
    expected.firmwareVersion = 154;
    expected.faults.busyReads = 3;
    expected.faults.failedWrite = TransferFault::Always(HidError::Crc, 0x61);
    EXPECT_EQ(loaded.state, expected);
}

TEST_F(StateFileTest, SaveIntoAMissingFolderFailsWithAMessage) {
    const StateSaveResult saved = SaveMouseState(folder_ / "no" / "mouse.state", {});
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.error.find("no"), std::string::npos) << saved.error;
}

TEST_F(StateFileTest, DirectoryInsteadOfAFileIsRejected) {
    const StateLoadResult loaded = LoadMouseState(folder_);
    EXPECT_EQ(loaded.outcome, StateLoadOutcome::Rejected);
    EXPECT_FALSE(loaded.error.empty());
}

TEST_F(StateFileTest, OversizedFileIsRejectedWithoutParsing) {
    const std::string text = "orvex-virtual-mouse 1\n" + std::string(kMaxStateTextSize, '#');
    const StateLoadResult loaded = LoadMouseState(Write("huge.state", text));
    EXPECT_EQ(loaded.outcome, StateLoadOutcome::Rejected);
    EXPECT_NE(loaded.error.find("too large"), std::string::npos) << loaded.error;
}

struct DamagedCase {
    std::string name;
    std::string text;
    std::string error;  // a part of the expected message
};

class DamagedStateText : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedStateText, IsRejectedWithAMessageNamingTheProblem) {
    const StateParseResult parsed = ParseMouseState(GetParam().text);
    EXPECT_FALSE(parsed.state.has_value());
    EXPECT_NE(parsed.error.find(GetParam().error), std::string::npos) << parsed.error;
}

const std::string kHeader = "orvex-virtual-mouse 1\n";
const std::string kHexImage(2 * kImageSize, 'a');

INSTANTIATE_TEST_SUITE_P(
    Table, DamagedStateText,
    ::testing::Values(
        DamagedCase{"Empty", "", "empty"},
        DamagedCase{"OtherFile", "[profile]\nname=x\n", "line 1: not a virtual mouse state"},
        DamagedCase{"NewerVersion", "orvex-virtual-mouse 2\n", "line 1: unsupported version '2'"},
        DamagedCase{"HeaderNotFirst", "\n" + kHeader, "line 1: not a virtual mouse state"},
        DamagedCase{"UnknownKey", kHeader + "colour red\n", "line 2: unknown key 'colour'"},
        DamagedCase{"UnprintableKey", kHeader + std::string("k\x01\xff v\n"),
                    "unknown key 'k?"
                    "?'"},
        DamagedCase{"KeyTwice", kHeader + "firmware 1\nfirmware 2\n", "line 3: 'firmware' given"},
        DamagedCase{"MissingValue", kHeader + "firmware\n", "line 2: firmware: expected"},
        DamagedCase{"FirmwareTooBig", kHeader + "firmware 65536\n", "from 0 to 65535"},
        DamagedCase{"NegativeNumber", kHeader + "surface-quality -1\n", "surface-quality"},
        DamagedCase{"NumberWithSpace", kHeader + "status  1\n", "status: expected"},
        DamagedCase{"HugeNumber", kHeader + "fault-busy-reads 99999999999999999999\n",
                    "fault-busy-reads"},
        DamagedCase{"BusyReadsAboveLimit", kHeader + "fault-busy-reads 1000001\n",
                    "fault-busy-reads"},
        DamagedCase{"ActiveProfileFive", kHeader + "active-profile 5\n", "from 0 to 4"},
        DamagedCase{"FlagTwo", kHeader + "unplugged 2\n", "expected 0 or 1"},
        DamagedCase{"UnknownErrorClass", kHeader + "fault-write-error eagain\n",
                    "unknown error class"},
        DamagedCase{"BadRepeat", kHeader + "fault-read-repeat twice\n", "once or always"},
        DamagedCase{"BadReportId", kHeader + "fault-write-report 96\n", "report id"},
        DamagedCase{"BadActiveReply", kHeader + "fault-active-reply 256\n", "none or"},
        DamagedCase{"ShortImage", kHeader + "image-0 00ff\n", "expected 4096 hex digits"},
        DamagedCase{"ImageBadDigit", kHeader + "image-3 " + kHexImage.substr(1) + "g\n",
                    "not a hex digit at position 4096"},
        DamagedCase{"ImageFiveDoesNotExist", kHeader + "image-5 " + kHexImage + "\n",
                    "unknown key 'image-5'"},
        DamagedCase{"ShortReply", kHeader + "reply 00\n", "expected 96 hex digits"},
        DamagedCase{"LineTooLong",
                    kHeader + "image-0 " + std::string(kMaxStateLineLength, '0') + "\n",
                    "line 2: line too long"},
        DamagedCase{"TooLarge", kHeader + std::string(kMaxStateTextSize, '\n'), "too large"}),
    [](const ::testing::TestParamInfo<DamagedCase>& param) { return param.param.name; });

}  // namespace
}  // namespace orvex::sim
