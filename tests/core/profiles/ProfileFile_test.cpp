#include "core/profiles/ProfileFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/profiles/ProfileSamples.h"
#include "core/profiles/TempFolder.h"

namespace orvex {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::ReadBytes;
using testing::RecordWithMacros;
using testing::TempFolder;
using testing::WriteBytes;

Bytes Utf16Bytes(std::string_view ascii) {
    Bytes bytes;
    for (char c : ascii) {
        bytes.push_back(static_cast<std::uint8_t>(c));
        bytes.push_back(0);
    }
    return bytes;
}

Bytes Slice(const Bytes& bytes, std::size_t from, std::size_t count) {
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                 bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
}

ProfileRecord DefaultNamed(std::u16string name) {
    ProfileRecord record = MakeDefaultProfile();
    record.name = std::move(name);
    return record;
}

// A record whose every value differs from what any test file holds, to see that nothing leaks in.
ProfileRecord Untouchable() {
    ProfileRecord record = RecordWithMacros();
    record.name = u"untouched";
    record.filePath = "/slot/file.profile";
    record.slotIndex = 4;
    record.pointerSpeed = 77;
    return record;
}

TEST(ProfileFileTest, DefaultProfileFileStartsWithMagicNameAndFields) {
    const Bytes file = ProfileFileBytes(DefaultNamed(u"Profile1"));
    Bytes expected{0x12, 0x06, 0x33, 0x01, 0x08, 0x00, 0x00, 0x00};
    const Bytes name = Utf16Bytes("Profile1");
    expected.insert(expected.end(), name.begin(), name.end());
    expected.insert(expected.end(), {0x01, 0x00, 0x00, 0x00, 0xB3, 0x00});
    EXPECT_EQ(Slice(file, 0, expected.size()), expected);
    // Magic, the name, 52 bytes of settings, four colour texts, zones and effect, nine bindings,
    // nine empty macros.
    EXPECT_EQ(file.size(), 4u + 20u + 52u + 4u * 20u + 8u + 9u * 4u + 9u * 12u);
}

TEST(ProfileFileTest, ColoursAreDecimalTexts) {
    const Bytes file = ProfileFileBytes(DefaultNamed(u"Profile1"));
    Bytes colour{0x08, 0x00, 0x00, 0x00};
    const Bytes digits = Utf16Bytes("16776960");
    colour.insert(colour.end(), digits.begin(), digits.end());
    for (std::size_t zone = 0; zone < 4; ++zone) {
        EXPECT_EQ(Slice(file, 76 + 20 * zone, 20), colour) << "zone " << zone;
    }
}

TEST(ProfileFileTest, DefinedModeValueIsStoredSignExtended) {
    ProfileRecord record = DefaultNamed(u"Profile1");
    record.definedModeValue = 200;
    const Bytes file = ProfileFileBytes(record);
    EXPECT_EQ(Slice(file, 70, 2), (Bytes{0xC8, 0xFF}));

    ProfileRecord loaded;
    ASSERT_EQ(ReadProfileBytes(file, loaded), ProfileLoadStatus::Loaded);
    EXPECT_EQ(loaded.definedModeValue, 200);
}

TEST(ProfileFileTest, RecordWithMacrosOnSeveralButtonsRoundTrips) {
    TempFolder folder;
    const ProfileRecord saved = RecordWithMacros();
    ASSERT_TRUE(SaveProfile(saved, folder / "p.profile"));

    ProfileRecord loaded = MakeDefaultProfile();
    ASSERT_EQ(LoadProfile(folder / "p.profile", loaded), ProfileLoadStatus::Loaded);
    EXPECT_EQ(loaded, saved);
}

TEST(ProfileFileTest, FieldsOutsideTheFileKeepTheLoadingRecordsValues) {
    ProfileRecord saved = RecordWithMacros();
    saved.accelerationLevel = 2;
    saved.buttons[8].defaultCode = 3;
    const Bytes file = ProfileFileBytes(saved);

    ProfileRecord loaded = MakeDefaultProfile();
    loaded.filePath = "/slot/Default2.profile";
    loaded.slotIndex = 1;
    ASSERT_EQ(ReadProfileBytes(file, loaded), ProfileLoadStatus::Loaded);
    EXPECT_EQ(loaded.accelerationLevel, 1);
    EXPECT_EQ(loaded.buttons[8].defaultCode, 15);
    EXPECT_EQ(loaded.filePath, "/slot/Default2.profile");
    EXPECT_EQ(loaded.slotIndex, 1);
}

TEST(ProfileFileTest, EveryCutShortFileIsRejectedWholeAndTheRecordKept) {
    const Bytes file = ProfileFileBytes(RecordWithMacros());
    for (std::size_t length = 0; length < file.size(); ++length) {
        ProfileRecord record = Untouchable();
        const ProfileLoadStatus status =
            ReadProfileBytes(std::span<const std::uint8_t>(file.data(), length), record);
        const auto expected =
            length < 4 ? ProfileLoadStatus::NotAProfile : ProfileLoadStatus::Damaged;
        ASSERT_EQ(status, expected) << "cut at " << length;
        ASSERT_EQ(record, Untouchable()) << "cut at " << length;
    }
}

TEST(ProfileFileTest, DamagedFilesAreRejectedWithTheirReason) {
    const Bytes good = ProfileFileBytes(DefaultNamed(u"Profile1"));
    const std::size_t lastEventCount = good.size() - 4;
    struct Case {
        const char* what;
        std::size_t at;
        Bytes bytes;
        ProfileLoadStatus status;
    };
    const Case cases[] = {
        {"wrong magic", 0, {0x12, 0x06, 0x33, 0x02}, ProfileLoadStatus::NotAProfile},
        {"name count past the end", 4, {0x00, 0x10, 0x00, 0x00}, ProfileLoadStatus::Damaged},
        {"event count 2^31-1",
         lastEventCount,
         {0xFF, 0xFF, 0xFF, 0x7F},
         ProfileLoadStatus::Damaged},
        {"event count one too many",
         lastEventCount,
         {0x01, 0x00, 0x00, 0x00},
         ProfileLoadStatus::Damaged},
    };
    for (const Case& c : cases) {
        Bytes file = good;
        std::copy(c.bytes.begin(), c.bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(c.at));
        ProfileRecord record = Untouchable();
        EXPECT_EQ(ReadProfileBytes(file, record), c.status) << c.what;
        EXPECT_EQ(record, Untouchable()) << c.what;
    }
}

TEST(ProfileFileTest, NegativeCountsMeanEmpty) {
    Bytes file = ProfileFileBytes(DefaultNamed(u"Profile1"));
    const std::size_t lastEventCount = file.size() - 4;
    std::fill_n(file.begin() + static_cast<std::ptrdiff_t>(lastEventCount), 4, 0xFF);
    ProfileRecord record = RecordWithMacros();
    ASSERT_EQ(ReadProfileBytes(file, record), ProfileLoadStatus::Loaded);
    EXPECT_TRUE(record.buttonMacros[8].events.empty());
}

TEST(ProfileFileTest, MissingAndUnreadableFilesAreToldApart) {
    TempFolder folder;
    ProfileRecord record = Untouchable();
    EXPECT_EQ(LoadProfile(folder / "none.profile", record), ProfileLoadStatus::Missing);
    EXPECT_EQ(LoadProfile(folder.path(), record), ProfileLoadStatus::Unreadable);
    WriteBytes(folder / "text.profile", {'h', 'e', 'l', 'l', 'o'});
    EXPECT_EQ(LoadProfile(folder / "text.profile", record), ProfileLoadStatus::NotAProfile);
    EXPECT_EQ(record, Untouchable());
}

TEST(ProfileFileTest, SavingCreatesTheMissingFolders) {
    TempFolder root;
    const auto path = root / "Velnor" / "ORVEX SK" / "Profiles" / "Default1.profile";
    ASSERT_TRUE(SaveProfile(DefaultNamed(u"Profile1"), path));
    EXPECT_EQ(ReadBytes(path), ProfileFileBytes(DefaultNamed(u"Profile1")));
}

TEST(ProfileFileTest, FailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    TempFolder folder;
    const Bytes old{0x12, 0x06, 0x33, 0x01, 'o', 'l', 'd'};
    // A name at the file-name length limit: the file exists, but no temporary file can be made
    // beside it, so the save fails before the rename.
    const auto longName = folder / (std::string(250, 'p') + ".prof");
    WriteBytes(longName, old);

    const FileWriteResult result = SaveProfile(RecordWithMacros(), longName);
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(ReadBytes(longName), old);

    // A target that cannot be replaced: the rename fails after the temporary file was written.
    std::filesystem::create_directories(folder / "taken.profile" / "inside");
    EXPECT_FALSE(SaveProfile(RecordWithMacros(), folder / "taken.profile"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.profile" / "inside"));

    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2u) << "a temporary file was left behind";
}

TEST(ProfileFileTest, SaveClearsOnlyItsOwnTemporaryFilesLeftByAnEarlierKill) {
    namespace fs = std::filesystem;
    TempFolder folder;
    const auto target = folder / "Default1.profile";
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    const Bytes junk{'h', 'a', 'l', 'f'};
    // Left by a kill long ago; one still being written by another program's save; one of
    // another file; the user's own files that merely look alike.
    const std::vector<std::pair<std::string, bool>> files{
        {"Default1.profile.0badf00d.tmp", false}, {"Default1.profile.1234abcd.tmp", true},
        {"Default2.profile.0badf00d.tmp", true},  {"Default1.profile.notes.tmp", true},
        {"Default1.profile.0BADF00D.tmp", true},  {"Default1.profile.0badf00d.tmp.txt", true}};
    for (const auto& [name, kept] : files) {
        WriteBytes(folder / name, junk);
        if (name != "Default1.profile.1234abcd.tmp") {
            fs::last_write_time(folder / name, old);
        }
    }

    ASSERT_TRUE(SaveProfile(RecordWithMacros(), target));
    for (const auto& [name, kept] : files) {
        EXPECT_EQ(fs::exists(folder / name), kept) << name;
    }
}

TEST(ProfileFileTest, ExportAddsTheExtensionUnlessItIsExactlyProfile) {
    const std::pair<const char*, const char*> cases[] = {
        {"out/my.PROFILE", "out/my.PROFILE.profile"},
        {"out/my", "out/my.profile"},
        {"out/my.profile", "out/my.profile"},
        {"out.d/my", "out.d/my.profile"},
        {"out/my.profile.bak", "out/my.profile.bak.profile"},
    };
    for (const auto& [chosen, written] : cases) {
        EXPECT_EQ(ExportTargetPath(chosen), std::filesystem::path(written)) << chosen;
    }

    TempFolder folder;
    ASSERT_TRUE(ExportProfile(RecordWithMacros(), folder / "my.PROFILE"));
    EXPECT_TRUE(std::filesystem::exists(folder / "my.PROFILE.profile"));
    EXPECT_FALSE(std::filesystem::exists(folder / "my.PROFILE"));
}

TEST(ProfileFileTest, ImportReplacesSettingsButKeepsTheSlotFile) {
    TempFolder folder;
    ASSERT_TRUE(ExportProfile(RecordWithMacros(), folder / "shared.profile"));

    ProfileRecord slot = MakeDefaultProfile();
    slot.filePath = "/slot/Default3.profile";
    slot.slotIndex = 2;
    ASSERT_EQ(ImportProfile(folder / "shared.profile", slot), ProfileLoadStatus::Loaded);

    ProfileRecord expected = RecordWithMacros();
    expected.filePath = "/slot/Default3.profile";
    expected.slotIndex = 2;
    EXPECT_EQ(slot, expected);
}

TEST(ProfileFileTest, SuggestedExportFileStaysInTheProfilesFolder) {
    ProfileRecord record = MakeDefaultProfile();
    record.name = u"../x/y:z";
    EXPECT_EQ(SuggestedExportPath("/opt/orvex", record), "/opt/orvex/Profiles/.._x_y_z.profile");
    record.name = u"";
    EXPECT_EQ(SuggestedExportPath("/opt/orvex", record), "/opt/orvex/Profiles/profile.profile");
}

}  // namespace
}  // namespace orvex
