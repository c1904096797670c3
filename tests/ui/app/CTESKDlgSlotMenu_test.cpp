#include <QCoreApplication>
#include <QTest>
#include <fstream>

#include "MainWindowRig.h"
#include "core/profiles/ProfileFile.h"
#include "ui/app/ProfileFileDialogs.h"
#include "ui/app/SlotBar.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/PopupMenu.h"

namespace orvex::ui::testing {
namespace {

std::filesystem::path ProgramProfilesFolder() {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "Profiles";
}

TEST_F(MainWindowTest, SlotMenusOfferTheFiveItems) {
    MakeWindow();
    const QStringList expected{"Rename", "Save current settings", "Export Profile",
                               "Import Profile", "Disable/Enable"};
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        CTavComboButton* button = window->slotMenuButton(slot);
        EXPECT_EQ(button->controlId(), 1021 - slot);
        QStringList texts;
        for (int i = 0; i < button->menu()->itemCount(); ++i) {
            texts << button->menu()->item(i).text;
            EXPECT_EQ(button->menu()->item(i).id, i + 1);
        }
        EXPECT_EQ(texts, expected) << slot;
    }
}

TEST_F(MainWindowTest, DisableEnableTogglesSlotsTwoToFiveAndLeavesSlotOneAlone) {
    MakeWindow();

    ChooseSlotMenuItem(3, SlotBar::kDisableEnable);
    EXPECT_EQ(window->record(3).enabled, 0);
    EXPECT_FALSE(window->slotButton(3)->isEnabled());
    EXPECT_FALSE(window->slotMenuButton(3)->menu()->isVisible());

    ChooseSlotMenuItem(3, SlotBar::kDisableEnable);
    EXPECT_EQ(window->record(3).enabled, 1);
    EXPECT_TRUE(window->slotButton(3)->isEnabled());

    ChooseSlotMenuItem(1, SlotBar::kDisableEnable);
    EXPECT_EQ(window->record(1).enabled, 1);
    EXPECT_TRUE(window->slotButton(1)->isEnabled());

    // Until Apply, neither the file nor the mouse hears of it.
    EXPECT_FALSE(std::filesystem::exists(SlotFile(3)));
    EXPECT_TRUE(mouse.log().transfers().empty());
    EXPECT_TRUE(calls.empty());
}

TEST_F(MainWindowTest, SaveCurrentSettingsWritesOnlyThatSlotAsTheRecordStands) {
    MakeWindow();
    ClickControl(window->slotButton(2));
    page(CTESKDlg::kSensorPage).value = 7;  // an edit not yet written back
    ForgetHistory();

    ChooseSlotMenuItem(2, SlotBar::kSaveCurrent);

    EXPECT_EQ(ReadSlotFile(2).pointerSpeed, MakeDefaultProfile().pointerSpeed);
    EXPECT_FALSE(std::filesystem::exists(SlotFile(1)));
    EXPECT_TRUE(calls.empty());
}

TEST_F(MainWindowTest, ExportSuggestsTheProgramsProfilesFolderAndAddsTheExtension) {
    MakeWindow();
    const std::filesystem::path exports = DataFolder().parent_path() / "exports";
    std::filesystem::create_directories(exports);
    const std::filesystem::path chosen = exports / "my";
    ProfileFileDialogs::SetNextChoiceForTests(chosen);
    ChooseSlotMenuItem(4, SlotBar::kExport);

    EXPECT_EQ(ProfileFileDialogs::TakeStartPathsForTests(),
              QStringList{
                  QString::fromStdString((ProgramProfilesFolder() / "Profile4.profile").string())});
    ProfileRecord exported;
    ASSERT_EQ(LoadProfile(exports / "my.profile", exported), ProfileLoadStatus::Loaded);
    EXPECT_EQ(exported.name, u"Profile4");

    ProfileFileDialogs::SetNextChoiceForTests(std::nullopt);
    ChooseSlotMenuItem(4, SlotBar::kExport);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(exports),
                            std::filesystem::directory_iterator()),
              1);  // cancelled: nothing new beside "my.profile"
}

TEST_F(MainWindowTest, ImportLoadsTheSlotRefreshesThePagesAndKeepsTheirEdits) {
    ProfileRecord imported = MakeDefaultProfile();
    imported.name = u"Imported";
    imported.pointerSpeed = 3;
    const std::filesystem::path file =
        std::filesystem::path(configRoot.path().toStdString()) / "imported.profile";
    MakeWindow();
    ASSERT_TRUE(SaveProfile(imported, file).ok);
    page(CTESKDlg::kSensorPage).value = 7;  // an edit of slot 1, not yet written back

    ProfileFileDialogs::SetNextChoiceForTests(file);
    ChooseSlotMenuItem(2, SlotBar::kImport);

    EXPECT_EQ(ProfileFileDialogs::TakeStartPathsForTests(),
              QStringList{QString::fromStdString(ProgramProfilesFolder().string())});
    EXPECT_EQ(window->record(2).name, u"Imported");
    EXPECT_EQ(window->record(2).pointerSpeed, 3);
    EXPECT_EQ(window->record(2).filePath, SlotFile(2));
    EXPECT_EQ(window->slotButton(2)->Text(), QStringLiteral("Imported"));
    EXPECT_EQ(window->currentSlot(), 1);
    EXPECT_EQ(page(CTESKDlg::kSensorPage).value, 7);
    EXPECT_EQ(window->record(1).pointerSpeed, 7);

    // Into the current slot the pages show the file; a file that is no profile changes nothing
    // but still refreshes them.
    ProfileFileDialogs::SetNextChoiceForTests(file);
    ChooseSlotMenuItem(1, SlotBar::kImport);
    EXPECT_EQ(page(CTESKDlg::kSensorPage).value, 3);
    const ProfileRecord before = window->record(1);
    const std::filesystem::path notAProfile = file.parent_path() / "junk.profile";
    std::ofstream(notAProfile) << "junk";
    ProfileFileDialogs::SetNextChoiceForTests(notAProfile);
    calls.clear();
    ChooseSlotMenuItem(1, SlotBar::kImport);
    EXPECT_EQ(window->record(1), before);
    EXPECT_EQ(calls.back(), "Notify sensor 1018 0");
}

}  // namespace
}  // namespace orvex::ui::testing
