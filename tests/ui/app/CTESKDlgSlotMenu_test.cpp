#include <unistd.h>

#include <QCoreApplication>
#include <QTest>
#include <fstream>

#include "MainWindowRig.h"
#include "core/profiles/ProfileFile.h"
#include "ui/app/ProfileFileDialogs.h"
#include "ui/app/SlotBar.h"
#include "ui/profiles/CRenameDlg.h"
#include "ui/sensor/ModalSteps.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/CTavEdit.h"
#include "ui/skin/MessageBox.h"
#include "ui/skin/PopupMenu.h"

namespace orvex::ui::testing {
namespace {

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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

TEST_F(MainWindowTest, ExportSuggestsTheUsersProfilesFolderAndAddsTheExtension) {
    MakeWindow();
    const std::filesystem::path exports = DataFolder().parent_path() / "exports";
    std::filesystem::create_directories(exports);
    const std::filesystem::path chosen = exports / "my";
    ProfileFileDialogs::SetNextChoiceForTests(chosen);
    ChooseSlotMenuItem(4, SlotBar::kExport);

    EXPECT_EQ(ProfileFileDialogs::TakeStartPathsForTests(),
              QStringList{PathText(DataFolder() / "Profiles" / "Profile4.profile")});
    EXPECT_TRUE(std::filesystem::is_directory(DataFolder() / "Profiles"));
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
              QStringList{PathText(DataFolder() / "Profiles")});
    EXPECT_EQ(window->record(2).name, u"Imported");
    EXPECT_EQ(window->record(2).pointerSpeed, 3);
    EXPECT_EQ(window->record(2).filePath, SlotFile(2));
    EXPECT_EQ(window->slotButton(2)->Text(), QStringLiteral("Imported"));
    EXPECT_EQ(window->currentSlot(), 1);
    EXPECT_EQ(page(CTESKDlg::kSensorPage).value, 7);
    EXPECT_EQ(window->record(1).pointerSpeed, 7);

    // Into the current slot the pages show the file.
    ProfileFileDialogs::SetNextChoiceForTests(file);
    ChooseSlotMenuItem(1, SlotBar::kImport);
    EXPECT_EQ(page(CTESKDlg::kSensorPage).value, 3);
    EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());
}

TEST_F(MainWindowTest, ImportOfAFileThatIsNoProfileSaysWhyAndChangesNothing) {
    WriteSlotFile(1, MakeDefaultProfile());
    const std::string slotFileBefore = FileBytes(SlotFile(1));
    MakeWindow();
    const ProfileRecord before = window->record(1);
    const std::filesystem::path notes =
        std::filesystem::path(configRoot.path().toStdString()) / "notes.txt";
    std::ofstream(notes) << "shopping list: milk, eggs\n";

    ProfileFileDialogs::SetNextChoiceForTests(notes);
    ChooseSlotMenuItem(1, SlotBar::kImport);

    EXPECT_EQ(MessageBox::TakeShownTexts(),
              QStringList{"Import Profile failed.\n" + PathText(notes) + ": not a profile file"});
    EXPECT_EQ(window->record(1), before);
    EXPECT_EQ(window->slotButton(1)->Text(), QString::fromStdU16String(before.name));
    // The pages are still refreshed, as after any chosen file.
    EXPECT_EQ(calls.back(), "Notify sensor 1018 0");
    EXPECT_EQ(FileBytes(SlotFile(1)), slotFileBefore);
    EXPECT_TRUE(services.log.Mentions("notes.txt"));
}

TEST_F(MainWindowTest, ImportedEnabledStateShowsOnTheSlotAndTheFirstSlotStaysEnabled) {
    ProfileRecord disabled = MakeDefaultProfile();
    disabled.enabled = 0;
    const std::filesystem::path file =
        std::filesystem::path(configRoot.path().toStdString()) / "disabled.profile";
    ASSERT_TRUE(SaveProfile(disabled, file).ok);
    MakeWindow();

    ProfileFileDialogs::SetNextChoiceForTests(file);
    ChooseSlotMenuItem(4, SlotBar::kImport);
    EXPECT_EQ(window->record(4).enabled, 0);
    EXPECT_FALSE(window->slotButton(4)->isEnabled());

    ProfileFileDialogs::SetNextChoiceForTests(file);
    ChooseSlotMenuItem(1, SlotBar::kImport);
    EXPECT_EQ(window->record(1).enabled, 1);
    EXPECT_TRUE(window->slotButton(1)->isEnabled());
}

TEST_F(MainWindowTest, FailedExportSaysWhichFileAndWhyAndChangesNothing) {
    MakeWindow();
    const std::filesystem::path root(configRoot.path().toStdString());
    const std::filesystem::path aFile = root / "plain-file";
    std::ofstream(aFile) << "x";
    struct Case {
        const char* name;
        std::filesystem::path chosen;
        std::filesystem::path written;
        const char* reason;
    };
    const std::string longName(300, 'n');
    std::vector<Case> cases{
        {"name the file system refuses", root / longName, root / (longName + ".profile"),
         "File name too long"},
        {"folder that is a file", aFile / "my.profile", aFile / "my.profile", "Not a directory"},
    };
    // Root writes into any folder, so only others can see a read-only folder refuse.
    const std::filesystem::path readOnly = root / "read-only";
    std::filesystem::create_directories(readOnly);
    std::filesystem::permissions(
        readOnly, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (::geteuid() != 0) {
        cases.push_back({"read-only folder", readOnly / "my.profile", readOnly / "my.profile",
                         "Permission denied"});
    }
    const ProfileRecord before = window->record(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileFileDialogs::SetNextChoiceForTests(c.chosen);
        ChooseSlotMenuItem(2, SlotBar::kExport);
        const QStringList shown = MessageBox::TakeShownTexts();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_TRUE(shown[0].startsWith("Export Profile failed.\ncannot write " +
                                        PathText(c.written) + ": "))
            << shown[0].toStdString();
        EXPECT_TRUE(shown[0].endsWith(QString::fromLatin1(c.reason))) << shown[0].toStdString();
        EXPECT_EQ(window->record(2), before);
        EXPECT_FALSE(std::filesystem::exists(SlotFile(2)));
    }
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_all);
    // No temporary file is left beside what could not be written.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(readOnly),
                            std::filesystem::directory_iterator()),
              0);
}

TEST_F(MainWindowTest, RenameFromTheSlotMenuCaptionsTheSlotAtOnceAndCancelKeepsTheName) {
    MakeWindow();
    struct Case {
        const char* name;
        QString typed;
        bool ok;
        std::u16string expected;
    };
    const Case cases[] = {
        {"renamed", QStringLiteral("Gaming"), true, u"Gaming"},
        {"cancelled after typing", QStringLiteral("Other"), false, u"Gaming"},
        {"emptied", QString(), true, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModalSteps steps({[&c](QDialog& dialog) {
            auto& rename = static_cast<CRenameDlg&>(dialog);
            QTest::keyClicks(rename.edit(), c.typed);
            // This window's test skin is too small to hold the dialog's buttons; its keys work.
            QTest::keyClick(&rename, c.ok ? Qt::Key_Return : Qt::Key_Escape);
        }});
        ChooseSlotMenuItem(3, SlotBar::kRename);
        EXPECT_EQ(steps.unusedSteps(), 0);
        EXPECT_EQ(window->record(3).name, c.expected);
        EXPECT_EQ(window->slotButton(3)->Text(), QString::fromStdU16String(c.expected));
    }
    // The file and the mouse hear of it at the next Apply only.
    EXPECT_FALSE(std::filesystem::exists(SlotFile(3)));
    EXPECT_TRUE(mouse.log().transfers().empty());
}

}  // namespace
}  // namespace orvex::ui::testing
