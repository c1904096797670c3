#include "core/profiles/ProfileSlots.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/profiles/ProfileSamples.h"
#include "core/profiles/TempFolder.h"

namespace orvex {
namespace {

using testing::RecordWithMacros;
using testing::TempFolder;
using testing::WriteBytes;

TEST(ProfileSlotsTest, SlotsStartAsNamedDefaultsAndLoadTheirFiles) {
    TempFolder root;
    const auto folder = *ProgramDataFolder(root.path());
    EXPECT_EQ(folder, root.path() / "Velnor" / "ORVEX SK");
    ASSERT_TRUE(SaveProfile(RecordWithMacros(), SlotProfilePath(folder, 2)));
    WriteBytes(SlotProfilePath(folder, 4), {0x12, 0x06, 0x33, 0x01, 0x05});  // cut short

    const SlotProfiles slots = LoadSlotProfiles(folder);

    for (int n = 1; n <= kSlotCount; ++n) {
        const ProfileRecord& record = slots.records[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(record.slotIndex, n - 1);
        EXPECT_EQ(record.filePath,
                  folder / "Profiles" / ("Default" + std::to_string(n) + ".profile"));
        if (n == 2) {
            continue;
        }
        ProfileRecord expected = MakeDefaultProfile();
        expected.name = u"Profile" + std::u16string(1, static_cast<char16_t>(u'0' + n));
        expected.slotIndex = record.slotIndex;
        expected.filePath = record.filePath;
        EXPECT_EQ(record, expected) << "slot " << n;
    }
    EXPECT_EQ(slots.records[1].name, RecordWithMacros().name);
    EXPECT_EQ(slots.records[1].buttonMacros, RecordWithMacros().buttonMacros);
    EXPECT_EQ(slots.loadStatus[0], ProfileLoadStatus::Missing);
    EXPECT_EQ(slots.loadStatus[1], ProfileLoadStatus::Loaded);
    EXPECT_EQ(slots.loadStatus[3], ProfileLoadStatus::Damaged);
}

TEST(ProfileSlotsTest, SavedSlotsLoadBackEqual) {
    TempFolder root;
    const auto folder = *ProgramDataFolder(root.path());
    SlotProfiles slots = LoadSlotProfiles(folder);
    slots.records[4].name = u"Edited";
    slots.records[4].liftDistance = 20;
    for (const FileWriteResult& saved : SaveSlotProfiles(slots.records)) {
        ASSERT_TRUE(saved.ok) << saved.error;
    }

    const SlotProfiles again = LoadSlotProfiles(folder);
    EXPECT_EQ(again.records, slots.records);
    EXPECT_TRUE(std::filesystem::exists(folder / "Profiles" / "Default5.profile"));
}

TEST(ConfigFoldersTest, CreateFolderPathTakesANameWithADotForAFile) {
    TempFolder root;
    ASSERT_TRUE(CreateFolderPath(root / "a" / "b" / "file.profile"));
    EXPECT_TRUE(std::filesystem::is_directory(root / "a" / "b"));
    EXPECT_FALSE(std::filesystem::exists(root / "a" / "b" / "file.profile"));

    ASSERT_TRUE(CreateFolderPath(root / "c" / "Profiles"));
    EXPECT_TRUE(std::filesystem::is_directory(root / "c" / "Profiles"));
}

#ifndef _WIN32
// Restores an environment variable at the end of a test.
class ScopedEnvironment {
  public:
    explicit ScopedEnvironment(const char* name) : name_(name) {
        if (const char* value = std::getenv(name)) {
            saved_ = value;
        }
    }
    ~ScopedEnvironment() {
        if (saved_) {
            setenv(name_, saved_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> saved_;
};

TEST(ConfigFoldersTest, UserRootFollowsXdgConfigHomeThenHome) {
    ScopedEnvironment keepXdg("XDG_CONFIG_HOME");
    ScopedEnvironment keepHome("HOME");
    setenv("HOME", "/home/someone", 1);

    setenv("XDG_CONFIG_HOME", "/xdg/config", 1);
    EXPECT_EQ(UserConfigRoot(), std::filesystem::path("/xdg/config"));
    EXPECT_EQ(ProgramDataFolder(), std::filesystem::path("/xdg/config/Velnor/ORVEX SK"));

    setenv("XDG_CONFIG_HOME", "relative/config", 1);  // ignored, as the rules for it say
    EXPECT_EQ(UserConfigRoot(), std::filesystem::path("/home/someone/.config"));

    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(UserConfigRoot(), std::filesystem::path("/home/someone/.config"));

    unsetenv("HOME");
    EXPECT_EQ(UserConfigRoot(), std::nullopt);
    EXPECT_EQ(ProgramDataFolder(std::filesystem::path("/override")),
              std::filesystem::path("/override/Velnor/ORVEX SK"));
}
#endif

}  // namespace
}  // namespace orvex
