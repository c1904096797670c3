#include <QTest>
#include <random>

#include "ui/sensor/SensorPageRig.h"
#include "ui/skin/CTavSliderCtrl3D.h"
#include "ui/skin/CTavStatic.h"
#include "ui/skin/SkinImageSet.h"
#include "ui/skin/SliderGeometry.h"

namespace orvex::ui::testing {

SensorFields SensorFields::Of(const ProfileRecord& record) {
    return {record.xySeparate,   record.definedModeEnabled, record.resolutionSteps,
            record.pointerSpeed, record.liftDistance,       record.surfaceQuality,
            record.angleSnap,    record.definedModeValue};
}

void PrintTo(const SensorFields& fields, std::ostream* out) {
    *out << "{separate " << fields.xySeparate << ", defined " << fields.definedModeEnabled << " "
         << static_cast<int>(static_cast<std::int8_t>(fields.definedModeValue)) << ", steps";
    for (const ResolutionStep& step : fields.resolutionSteps) {
        *out << " " << step.x << "/" << step.y;
    }
    *out << ", speed " << fields.pointerSpeed << ", lift " << fields.liftDistance << ", quality "
         << fields.surfaceQuality << ", snap " << fields.angleSnap << "}";
}

std::vector<ProfileRecord> GenerateSensorProfiles(int count, std::uint32_t seed) {
    std::mt19937 random(seed);
    const auto pick = [&random](int low, int high) {
        return low + static_cast<int>(random() % static_cast<std::uint32_t>(high - low + 1));
    };
    const auto resolution = [&] {
        // One in four off the grid: a value from a file is shown and kept as it is.
        return static_cast<std::int16_t>(pick(0, 3) == 0 ? pick(50, 7000) : pick(1, 140) * 50);
    };
    std::vector<ProfileRecord> profiles;
    for (int i = 0; i < count; ++i) {
        ProfileRecord record = MakeDefaultProfile();
        record.xySeparate = pick(0, 1);
        record.definedModeEnabled = pick(0, 1);
        for (ResolutionStep& step : record.resolutionSteps) {
            step.x = resolution();
            step.y = record.xySeparate != 0 ? resolution() : step.x;
        }
        record.pointerSpeed = static_cast<std::uint8_t>(pick(1, 10));
        record.liftDistance = static_cast<std::uint8_t>(pick(1, 32));
        record.surfaceQuality = static_cast<std::int16_t>(pick(0, 10));
        record.angleSnap = static_cast<std::uint8_t>(pick(0, 15));
        record.definedModeValue = static_cast<std::uint8_t>(pick(-30, 30) & 0xFF);
        record.doubleClickSetting = static_cast<std::int16_t>(pick(200, 1400));
        record.lightingEffect = pick(1, 4);
        profiles.push_back(record);
    }
    return profiles;
}

void SensorPageTest::SetUp() {
    SkinImageSet::SetInstanceForTests(&DefaultSkinSet());
    page = std::make_unique<CSensorDlg>(services.services, nullptr);
    page->numberFieldTimer().stop();
    page->stepLabelTimer().stop();
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
}

void SensorPageTest::TearDown() {
    page.reset();
}

void SensorPageTest::Click(QWidget* control) const {
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void SensorPageTest::DragThumb(CTavSliderCtrl3D* axis, int thumb, int value) const {
    const EdgeRect from = axis->ThumbRect(thumb);
    const QPoint start((from.left + from.right) / 2, (from.top + from.bottom) / 2);
    const int thumbWidth = from.Width();
    const QPoint end(SliderThumbCentre(axis->width(), thumbWidth, value, axis->range().minimum,
                                       axis->range().maximum),
                     start.y());
    QTest::mouseMove(axis, start);
    QTest::mousePress(axis, Qt::LeftButton, {}, start);
    QTest::mouseMove(axis, (start + end) / 2);
    QTest::mouseMove(axis, end);
    QTest::mouseRelease(axis, Qt::LeftButton, {}, end);
}

std::array<int, 3> SensorPageTest::Thumbs(const CTavSliderCtrl3D* axis) {
    return {axis->value(1), axis->value(2), axis->value(3)};
}

std::array<QString, 3> SensorPageTest::Texts(const std::array<CTavStatic*, 3>& labels) {
    return {labels[0]->CurrentText(), labels[1]->CurrentText(), labels[2]->CurrentText()};
}

ProfileRecord SensorPageTest::Saved() const {
    ProfileRecord record = MakeDefaultProfile();
    page->SaveToProfile(record);
    return record;
}

}  // namespace orvex::ui::testing
