#include <gmock/gmock.h>

#include <QTest>

#include "MainWindowRig.h"
#include "core/profiles/ProfileFile.h"
#include "ui/sensor/CPopDlg.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/MessageBox.h"

namespace orvex::ui::testing {
namespace {

using ::testing::ElementsAre;

constexpr int kApplyId = 1042;
constexpr int kOkId = 1041;
constexpr int kCancelId = 1044;
constexpr int kResetId = 1031;
constexpr std::uint8_t kCommandReport = 0x60;
constexpr std::uint8_t kUploadReport = 0x61;

bool ImageWasSent(const sim::ProfileImage& image) {
    return std::any_of(image.begin(), image.end(), [](std::uint8_t byte) { return byte != 0; });
}

TEST_F(MainWindowTest, ApplySavesEverythingSendsTheFiveProfilesAndActivatesTheCurrentSlot) {
    MakeWindow();
    ClickControl(window->slotButton(2));
    page(CTESKDlg::kSensorPage).value = 7;
    ForgetHistory();

    ClickControl(window->controlButton(kApplyId));

    EXPECT_EQ(window->record(2).pointerSpeed, 7);
    EXPECT_EQ(ReadSlotFile(2).pointerSpeed, 7);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        EXPECT_TRUE(ImageWasSent(mouse.mouse.state().images[static_cast<std::size_t>(slot - 1)]))
            << slot;
    }
    EXPECT_EQ(mouse.log().Writes(kUploadReport), 10u);
    EXPECT_EQ(mouse.mouse.state().activeProfile, 1);
    EXPECT_EQ(mouse.waits().back(), std::chrono::milliseconds(1500));
    ASSERT_EQ(pointer.requests.size(), 1u);
    EXPECT_EQ(pointer.requests[0].pointerSpeed, 14);
    EXPECT_THAT(calls,
                ElementsAre("Save mouse", "Save sensor", "Save lighting", "SaveMacroList macros"));
    EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());
    EXPECT_FALSE(window->applyBusy());
}

TEST_F(MainWindowTest, ApplyWithoutTheMouseSavesTheFilesAndTheMacrosAndSaysSoOnce) {
    mouse.mouse.state().unplugged = true;
    MakeWindow(/*realMacroPage=*/true);

    ClickControl(window->controlButton(kApplyId));

    for (int slot = 1; slot <= kSlotCount; ++slot) {
        EXPECT_EQ(ReadSlotFile(slot).name,
                  u"Profile" + std::u16string(1, static_cast<char16_t>(u'0' + slot)));
    }
    EXPECT_TRUE(std::filesystem::exists(DataFolder() / "Macros" / "macroList.dat"));
    EXPECT_EQ(MessageBox::TakeShownTexts(),
              QStringList{QStringLiteral("ORVEX SK mouse not found")});
    EXPECT_EQ(mouse.log().Writes(kCommandReport), 0u);
    EXPECT_FALSE(mouse.link.HasHandle());
    EXPECT_FALSE(window->applyBusy());
}

TEST_F(MainWindowTest, AMouseThatDoesNotTakeTheActiveProfileIsReportedAsNotFound) {
    MakeWindow();
    // Plugged in at start-up, gone by the time Apply speaks to it: the handle is still open.
    mouse.mouse.state().unplugged = true;

    ClickControl(window->controlButton(kApplyId));

    EXPECT_EQ(MessageBox::TakeShownTexts(),
              QStringList{QStringLiteral("ORVEX SK mouse not found")});
    EXPECT_EQ(ReadSlotFile(1).name, u"Profile1");
}

TEST_F(MainWindowTest, TheProfilePollStaysOutWhileApplyRuns) {
    MakeWindow();
    mouse.mouse.state().activeProfile = 3;
    pointer.whileApplying = [this] {
        EXPECT_TRUE(window->applyBusy());
        window->PollActiveProfile();
    };
    ClickControl(window->controlButton(kApplyId));
    EXPECT_EQ(window->currentSlot(), 1);
}

TEST_F(MainWindowTest, CancelKeepsTheEditsInThePagesSoALaterApplyAppliesThem) {
    MakeWindow();
    page(CTESKDlg::kMousePage).value = 300;

    ClickControl(window->controlButton(kCancelId));
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(window->record(1).doubleClickSetting, 800);
    EXPECT_FALSE(std::filesystem::exists(SlotFile(1)));
    EXPECT_TRUE(mouse.log().transfers().empty());

    window->ShowFromTray();
    ClickControl(window->controlButton(kApplyId));
    EXPECT_EQ(ReadSlotFile(1).doubleClickSetting, 300);
    ASSERT_EQ(pointer.requests.size(), 1u);
    EXPECT_EQ(pointer.requests[0].doubleClickMs, 1300);
    EXPECT_EQ(mouse.log().Writes(kUploadReport), 10u);
}

TEST_F(MainWindowTest, OkAppliesAndHides) {
    MakeWindow();
    ClickControl(window->controlButton(kOkId));
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(std::filesystem::exists(SlotFile(5)));
    EXPECT_EQ(mouse.log().Writes(kUploadReport), 10u);
}

TEST_F(MainWindowTest, ResetAnsweredWithAnythingButOkChangesNothing) {
    ProfileRecord second = MakeDefaultProfile();
    second.name = u"Gaming";
    second.enabled = 0;
    WriteSlotFile(2, second);
    MakeWindow();
    const auto before = std::array{window->record(1), window->record(2)};

    services.popups.QueueAnswers({CPopDlg::kDeclined});
    ClickControl(window->controlButton(kResetId));

    EXPECT_EQ(services.popups.TakeModes(), std::vector{PopupMode::ResetWarning});
    EXPECT_EQ(window->record(1), before[0]);
    EXPECT_EQ(window->record(2), before[1]);
    EXPECT_FALSE(window->slotButton(2)->isEnabled());
    EXPECT_TRUE(calls.empty());
    EXPECT_FALSE(std::filesystem::exists(SlotFile(1)));
    EXPECT_TRUE(mouse.log().transfers().empty());
}

TEST_F(MainWindowTest, ResetConfirmedRestoresNamesEnablesAndDefaultsThenSavesAndSends) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        ProfileRecord edited = MakeDefaultProfile();
        edited.name = u"Mine";
        edited.enabled = slot == 4 ? 0 : 1;
        edited.pointerSpeed = 9;
        edited.lightingEffect = 3;
        WriteSlotFile(slot, edited);
    }
    MakeWindow();
    ClickControl(window->slotButton(3));
    ForgetHistory();

    services.popups.QueueAnswers({CPopDlg::kAccepted});
    ClickControl(window->controlButton(kResetId));

    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const std::u16string name = u"Profile" + std::u16string(1, char16_t(u'0' + slot));
        ProfileRecord expected = MakeDefaultProfile();
        expected.name = name;
        expected.slotIndex = static_cast<std::uint8_t>(slot - 1);
        expected.filePath = SlotFile(slot);
        EXPECT_EQ(window->record(slot), expected) << slot;
        EXPECT_EQ(window->slotButton(slot)->Text(), QString::fromStdU16String(name));
        EXPECT_TRUE(window->slotButton(slot)->isEnabled());
        EXPECT_EQ(ReadSlotFile(slot).name, name);
        EXPECT_EQ(ReadSlotFile(slot).pointerSpeed, expected.pointerSpeed);
    }
    // The current slot's defaults reached the pages, and went back from them unchanged.
    EXPECT_EQ(page(CTESKDlg::kSensorPage).value, MakeDefaultProfile().pointerSpeed);
    EXPECT_EQ(mouse.log().Writes(kUploadReport), 10u);
    EXPECT_EQ(mouse.mouse.state().activeProfile, 2);
    EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());
}

}  // namespace
}  // namespace orvex::ui::testing
