// What the sensor page does with the mouse at once, outside the window's Apply: the lift-off test
// and save, and the surface analysis.
#include <string>

#include "core/device/DeviceCommands.h"
#include "core/device/SurfaceQuality.h"
#include "core/log/Log.h"
#include "ui/layout/PopupMode.h"
#include "ui/sensor/CSensorDlg.h"
#include "ui/services/PopupRunner.h"
#include "ui/skin/CTavProgressCtrl.h"
#include "ui/skin/CTavSliderCtrl.h"
#include "ui/skin/MessageBox.h"

namespace orvex::ui {
namespace {

constexpr std::string_view kLogArea = "sensor";

std::string ResultText(DeviceResult result) {
    return std::to_string(static_cast<int>(result));
}

}  // namespace

void CSensorDlg::SendLiftDistance(LiftOffAction action) {
    const bool test = action == LiftOffAction::Test;
    const std::string what = test ? "lift-off test" : "lift-off save";
    if (!link_.EnsureOpen()) {
        // Nothing is shown: the user sees the mouse missing everywhere else in the window.
        LogLine(&log_, kLogArea, what + ": mouse not found, nothing sent");
        return;
    }
    const std::uint8_t distance = ClampLiftDistance(liftDistance_->value());
    const DeviceResult result =
        test ? TestLiftDistance(link_, distance) : SaveLiftDistance(link_, distance);
    LogLine(&log_, kLogArea,
            what + " of " + std::to_string(distance) + ": result " + ResultText(result));
    if (result != DeviceResult::Done) {
        MessageBox::Show(this, test ? kTestFailed : kSaveFailed);
    }
}

void CSensorDlg::AnalyzeSurface() {
    // The bar empties at once and stays so unless the analysis ends with a reading; the picture
    // keeps the last level until then.
    qualityAnalyzer_->SetPos(0);
    const int answer = popups_.Run(PopupMode::SurfaceIntro, this);
    if (answer != PopupRunner::kAccepted) {
        LogLine(&log_, kLogArea, "surface analysis left before its end: nothing read");
        return;
    }
    const DeviceReply<std::uint8_t> quality = ReadSurfaceQuality(link_);
    if (!quality.ok()) {
        LogLine(&log_, kLogArea,
                "reading the surface quality failed with result " + ResultText(quality.result) +
                    ": shown as level 0");
    }
    ShowSurfaceLevel(SurfaceQualityLevel(quality.ok() ? quality.value : 0));
}

}  // namespace orvex::ui
