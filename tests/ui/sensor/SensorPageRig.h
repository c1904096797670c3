#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <array>
#include <cstdint>
#include <memory>
#include <ostream>
#include <vector>

#include "core/profiles/ProfileRecord.h"
#include "ui/DefaultSkinSet.h"
#include "ui/TestServices.h"
#include "ui/sensor/CSensorDlg.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui::testing {

// What the sensor page keeps of a profile, compared and printed as one value.
struct SensorFields {
    std::int32_t xySeparate = 0;
    std::int32_t definedModeEnabled = 0;
    std::array<ResolutionStep, kResolutionStepCount> resolutionSteps{};
    int pointerSpeed = 0;
    int liftDistance = 0;
    int surfaceQuality = 0;
    int angleSnap = 0;
    int definedModeValue = 0;

    static SensorFields Of(const ProfileRecord& record);
    friend bool operator==(const SensorFields&, const SensorFields&) = default;
    friend void PrintTo(const SensorFields& fields, std::ostream* out);
};

// Profiles whose sensor values are among those the page writes, drawn from a seeded generator so a
// failure names a reproducible case: tied ones hold equal X and Y; resolutions lie in 50 … 7000,
// mostly on the 50 grid; the defined-mode number lies within ±30. The other fields vary too, to
// show the page leaves them alone.
std::vector<ProfileRecord> GenerateSensorProfiles(int count, std::uint32_t seed);

// The sensor page on the default skin over the virtual mouse, shown on its own, its timers
// stopped so that a test ticks them.
class SensorPageTest : public ::testing::Test {
  protected:
    // The default skin the build draws: the page's pictures at their real rectangles.

    void SetUp() override;
    void TearDown() override;

    void Click(QWidget* control) const;
    // Drags thumb `thumb` of a resolution slider until it shows `value` (on the 50 grid).
    void DragThumb(CTavSliderCtrl3D* axis, int thumb, int value) const;
    // Each thumb's value, 1 … 3.
    static std::array<int, 3> Thumbs(const CTavSliderCtrl3D* axis);
    // The texts of a row of step labels.
    static std::array<QString, 3> Texts(const std::array<CTavStatic*, 3>& labels);
    ProfileRecord Saved() const;

    TestServices services;
    std::unique_ptr<CSensorDlg> page;
};

}  // namespace orvex::ui::testing
