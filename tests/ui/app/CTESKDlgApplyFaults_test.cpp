#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include "MainWindowRig.h"
#include "core/profiles/DeviceImage.h"
#include "core/profiles/ProfileFormat.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/MessageBox.h"

namespace orvex::ui::testing {
namespace {

using namespace std::chrono_literals;

constexpr int kApplyId = 1042;
constexpr std::uint8_t kUploadReport = 0x61;
const QString kMouseNotFound = QStringLiteral("ORVEX SK mouse not found");

// The longest an Apply may take on the protocol's own rules: five uploads of two halves, each
// half's wait and a status poll cut short by its third busy read, then the profile switch.
constexpr auto kApplyBound = 5 * 2 * (60ms + 2 * 20ms) + 1500ms + 2 * 20ms;

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct ApplyFaultCase {
    const char* name;
    std::function<void(sim::Faults&)> arm;
    bool mouseNotFoundShown;

    friend void PrintTo(const ApplyFaultCase& c, std::ostream* out) { *out << c.name; }
};

class ApplyFaultTest : public MainWindowTest, public ::testing::WithParamInterface<ApplyFaultCase> {
  protected:
    void ExpectTheMouseHoldsExactlyTheFiveRecords() {
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            const auto built = BuildDeviceImage(window->record(slot));
            ASSERT_TRUE(built.image.has_value());
            const auto& held = mouse.mouse.state().images[static_cast<std::size_t>(slot - 1)];
            EXPECT_TRUE(std::equal(held.begin(), held.end(), built.image->begin()))
                << "slot " << slot;
        }
    }
};

// Whatever the mouse does during Apply, the files are written in full, the window is free again
// within the protocol's bounds with the one message the fault calls for, and the next Apply on a
// well mouse puts exactly the five images on it.
TEST_P(ApplyFaultTest, FilesAreWrittenTheApplyEndsInBoundsAndTheNextApplyPutsTheFiveImages) {
    MakeWindow(/*realMacroPage=*/true);
    mouse.clock.ClearSleeps();
    GetParam().arm(mouse.mouse.state().faults);

    ClickControl(window->controlButton(kApplyId));

    EXPECT_LE(mouse.clock.TotalSlept(), kApplyBound);
    EXPECT_FALSE(window->applyBusy());
    EXPECT_EQ(MessageBox::TakeShownTexts(),
              GetParam().mouseNotFoundShown ? QStringList{kMouseNotFound} : QStringList{});
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        EXPECT_EQ(FileBytes(SlotFile(slot)), ProfileFileBytes(window->record(slot)))
            << "slot file " << slot;
    }
    EXPECT_TRUE(std::filesystem::exists(DataFolder() / "Macros" / "macroList.dat"));

    mouse.mouse.state().faults = {};
    ClickControl(window->controlButton(kApplyId));
    EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());
    ExpectTheMouseHoldsExactlyTheFiveRecords();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ApplyFaultTest,
    ::testing::Values(
        ApplyFaultCase{"ShortBusyStreak", [](sim::Faults& f) { f.busyReads = 2; }, false},
        ApplyFaultCase{"BusyStreakPastThePollsPatience", [](sim::Faults& f) { f.busyReads = 12; },
                       false},
        ApplyFaultCase{"RefusedFirstHalf",
                       [](sim::Faults& f) {
                           f.failedWrite =
                               sim::TransferFault::Once(HidError::AccessDenied, kUploadReport);
                       },
                       false},
        ApplyFaultCase{"EveryHalfRefused",
                       [](sim::Faults& f) {
                           f.failedWrite =
                               sim::TransferFault::Always(HidError::AccessDenied, kUploadReport);
                       },
                       false},
        ApplyFaultCase{"StatusNeverDone", [](sim::Faults& f) { f.neverDone = true; }, true},
        ApplyFaultCase{
            "EveryStatusReadFails",
            [](sim::Faults& f) { f.failedRead = sim::TransferFault::Always(HidError::WriteFault); },
            true}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace orvex::ui::testing
