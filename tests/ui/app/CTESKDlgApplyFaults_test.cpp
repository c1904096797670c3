#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
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

// A fault armed on the mouse before Apply, and what the window is told after it (the hot-plug
// notices a replug queues while Apply runs reach it once Apply is done).
struct ApplyFaultCase {
    std::string name;
    std::function<void(sim::VirtualMouseRig&)> arm;
    bool mouseNotFoundShown = false;
    bool replugged = false;

    friend void PrintTo(const ApplyFaultCase& c, std::ostream* out) { *out << c.name; }
};

void ArmFaults(sim::VirtualMouseRig& rig, const std::function<void(sim::Faults&)>& arm) {
    arm(rig.mouse.state().faults);
}

// Runs `action` once, right after the `count`-th image half was written (0: at once).
void AfterImageHalves(sim::VirtualMouseRig& rig, std::size_t count, std::function<void()> action) {
    if (count == 0) {
        action();
        return;
    }
    rig.transport.log().afterEach = [&rig, count, action = std::move(action),
                                     done = false](const sim::Transfer& transfer) mutable {
        if (!done && transfer.reportId == kUploadReport &&
            rig.log().Writes(kUploadReport) == count) {
            done = true;
            action();
        }
    };
}

std::vector<ApplyFaultCase> Cases() {
    std::vector<ApplyFaultCase> cases = {
        {"ShortBusyStreak", [](auto& rig) { ArmFaults(rig, [](auto& f) { f.busyReads = 2; }); }},
        {"BusyStreakPastThePollsPatience",
         [](auto& rig) { ArmFaults(rig, [](auto& f) { f.busyReads = 12; }); }},
        {"EveryHalfRefused",
         [](auto& rig) {
             ArmFaults(rig, [](auto& f) {
                 f.failedWrite = sim::TransferFault::Always(HidError::AccessDenied, kUploadReport);
             });
         }},
        {"StatusNeverDone", [](auto& rig) { ArmFaults(rig, [](auto& f) { f.neverDone = true; }); },
         true},
        {"EveryStatusReadFails",
         [](auto& rig) {
             ArmFaults(rig, [](auto& f) {
                 f.failedRead = sim::TransferFault::Always(HidError::WriteFault);
             });
         },
         true},
        {"UnpluggedBetweenTheSecondAndThirdSlots",
         [](auto& rig) {
             AfterImageHalves(rig, 4, [&rig] { rig.mouse.state().unplugged = true; });
         },
         true, true},
    };
    for (std::size_t half = 0; half < 2 * kSlotCount; ++half) {
        cases.push_back({"RefusedImageHalf" + std::to_string(half), [half](auto& rig) {
                             AfterImageHalves(rig, half, [&rig] {
                                 rig.mouse.state().faults.failedWrite = sim::TransferFault::Once(
                                     HidError::AccessDenied, kUploadReport);
                             });
                         }});
    }
    return cases;
}

class ApplyFaultTest : public MainWindowTest, public ::testing::WithParamInterface<ApplyFaultCase> {
  protected:
    void TearDown() override {
        mouse.transport.log().afterEach = nullptr;
        MainWindowTest::TearDown();
    }

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
// well mouse (replugged where it was unplugged) puts exactly the five images on it.
TEST_P(ApplyFaultTest, FilesAreWrittenTheApplyEndsInBoundsAndTheNextApplyPutsTheFiveImages) {
    const ApplyFaultCase& c = GetParam();
    MakeWindow(/*realMacroPage=*/true);
    mouse.clock.ClearSleeps();
    mouse.transport.log().Clear();
    c.arm(mouse);

    ClickControl(window->controlButton(kApplyId));

    EXPECT_LE(mouse.clock.TotalSlept(), kApplyBound);
    EXPECT_FALSE(window->applyBusy());
    EXPECT_EQ(MessageBox::TakeShownTexts(),
              c.mouseNotFoundShown ? QStringList{kMouseNotFound} : QStringList{});
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        EXPECT_EQ(FileBytes(SlotFile(slot)), ProfileFileBytes(window->record(slot)))
            << "slot file " << slot;
    }
    EXPECT_TRUE(std::filesystem::exists(DataFolder() / "Macros" / "macroList.dat"));

    mouse.transport.log().afterEach = nullptr;
    mouse.mouse.state().faults = {};
    if (c.replugged) {
        mouse.mouse.state().unplugged = false;
        window->OnDeviceRemoval();
        window->OnDeviceArrival();
    }
    ClickControl(window->controlButton(kApplyId));
    EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());
    ExpectTheMouseHoldsExactlyTheFiveRecords();
}

INSTANTIATE_TEST_SUITE_P(Faults, ApplyFaultTest, ::testing::ValuesIn(Cases()),
                         [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace orvex::ui::testing
