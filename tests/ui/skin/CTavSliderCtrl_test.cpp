#include "ui/skin/CTavSliderCtrl.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include "ui/skin/RecordingParent.h"
#include "ui/skin/SkinFiles.h"
#include "ui/skin/SlotPieces.h"

namespace orvex::ui {
namespace {

using testing::Notification;
using testing::RecordingParent;
using testing::SlotAt;
using testing::SlotPiece;

constexpr int kSliderId = 1014;

class CountingSlider : public CTavSliderCtrl {
  public:
    using CTavSliderCtrl::CTavSliderCtrl;
    int paints = 0;

  protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        CTavSliderCtrl::paintEvent(event);
    }
};

// 130 columns with a 10-pixel thumb: the thumb's centre travels from column 5 to column 125.
class CTavSliderCtrlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.setGeometry(0, 0, 300, 100);
        slider.setGeometry(20, 20, 130, 40);
        slider.SetControlId(kSliderId);
        slider.SetImages(SlotPiece(kSlotSensorNormal, 64, 20), SlotPiece(kSlotSliderNormal, 10, 16),
                         SlotPiece(kSlotSlider1, 10, 16), SlotPiece(kSlotSliderDisable, 10, 16));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::mouseMove(&window, kAway);
    }

    void UseRange(int minimum, int maximum, int step) {
        slider.SetMinimum(minimum);
        slider.SetMaximum(maximum);
        slider.SetStep(step);
    }

    void Press(int x, int y = 8) {
        QTest::mouseMove(&slider, QPoint(x, y));
        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(x, y));
    }
    void MoveTo(int x, int y = 8) { QTest::mouseMove(&slider, QPoint(x, y)); }
    void Release(int x, int y = 8) {
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(x, y));
    }

    std::vector<Notification> Values(std::initializer_list<int> values) const {
        std::vector<Notification> expected;
        for (int value : values) {
            expected.push_back({kSliderId, value});
        }
        return expected;
    }

    static constexpr QPoint kAway{280, 90};
    RecordingParent window;
    CountingSlider slider{&window};
};

TEST_F(CTavSliderCtrlTest, ADragAcrossOnlyYieldsStepsEachReportedOnce) {
    UseRange(200, 1400, 200);
    Press(0);
    for (int x = 0; x < 130; ++x) {
        MoveTo(x);
        ASSERT_EQ(slider.value() % 200, 0) << "x " << x;
    }
    Release(129);
    EXPECT_EQ(window.notifications, Values({200, 400, 600, 800, 1000, 1200, 1400}));
    EXPECT_EQ(slider.value(), 1400);
    EXPECT_EQ(slider.state(), SkinState::Normal);
}

TEST_F(CTavSliderCtrlTest, ADragWithinOneStepSendsNothing) {
    UseRange(200, 1400, 200);
    slider.SetPos(800);
    window.notifications.clear();
    const int centre = slider.ThumbCentre();
    Press(centre);
    for (int x = centre - 4; x <= centre + 4; ++x) {
        MoveTo(x);
    }
    Release(centre + 4);
    EXPECT_TRUE(window.notifications.empty());
    EXPECT_EQ(slider.value(), 800);
}

TEST_F(CTavSliderCtrlTest, AStepThatDoesNotDivideTheRangeStopsShortOfTheMaximum) {
    UseRange(0, 100, 30);
    Press(0);
    for (int x = 0; x < 130; ++x) {
        MoveTo(x);
    }
    Release(129);
    EXPECT_EQ(window.notifications, Values({30, 60, 90}));
    EXPECT_EQ(slider.value(), 90);
}

TEST_F(CTavSliderCtrlTest, SetPosTakesAnyNewValueAndIgnoresTheOneLastReported) {
    UseRange(200, 1400, 200);
    slider.SetPos(900);  // between steps, beyond nothing: kept as given
    slider.SetPos(5000);
    EXPECT_EQ(window.notifications, Values({900, 5000}));
    EXPECT_EQ(slider.value(), 5000);

    QCoreApplication::processEvents();
    const int paints = slider.paints;
    slider.SetPos(5000);
    QCoreApplication::processEvents();
    EXPECT_EQ(slider.paints, paints);
    EXPECT_EQ(window.notifications.size(), 2u);

    slider.SetPos(800);
    QCoreApplication::processEvents();
    EXPECT_GT(slider.paints, paints);
}

TEST_F(CTavSliderCtrlTest, AnInertSliderIgnoresThePointerAndShowsItsInertThumb) {
    UseRange(1, 3, 1);
    slider.SetPos(2);
    window.notifications.clear();
    slider.SetState(SkinnedSlider::kInert);

    Press(5);
    MoveTo(125);
    Release(125);
    MoveTo(60);
    EXPECT_EQ(slider.state(), SkinnedSlider::kInert);
    EXPECT_EQ(slider.value(), 2);
    EXPECT_TRUE(window.notifications.empty());
    const int centre = slider.ThumbCentre();
    EXPECT_EQ(SlotAt(slider.grab().toImage(), centre, 8), kSlotSliderDisable);

    slider.SetImages(SlotPiece(kSlotSensorNormal, 64, 20), SlotPiece(kSlotSliderNormal, 10, 16),
                     SlotPiece(kSlotSlider1, 10, 16), QImage());
    EXPECT_EQ(SlotAt(slider.grab().toImage(), centre, 8), kSlotSensorNormal);

    slider.SetState(SkinState::Normal);
    Press(125);
    Release(125);
    EXPECT_EQ(window.notifications, Values({3}));
}

TEST_F(CTavSliderCtrlTest, ADragPausesOutsideResumesOnReturnAndEndsWhereItLeft) {
    UseRange(200, 1400, 200);
    Press(5);
    MoveTo(65);
    EXPECT_EQ(slider.value(), 800);

    // Out above the slider: the move that leaves still counts, the ones outside do not.
    MoveTo(65, -30);
    EXPECT_EQ(slider.state(), SkinState::Normal);
    MoveTo(125, -30);
    EXPECT_EQ(slider.value(), 800);

    // The move that comes back only takes the drag up again; the next one moves the thumb.
    MoveTo(125, 8);
    EXPECT_EQ(slider.state(), SkinState::Pressed);
    EXPECT_EQ(slider.value(), 800);
    MoveTo(124, 8);
    EXPECT_EQ(slider.value(), 1400);

    // The move that leaves past the left end takes the minimum; the release far off changes
    // nothing and ends the drag.
    MoveTo(-40, 8);
    EXPECT_EQ(slider.value(), 200);
    MoveTo(125, 70);
    Release(125, 70);
    EXPECT_EQ(slider.value(), 200);
    EXPECT_EQ(slider.state(), SkinState::Normal);
    EXPECT_EQ(slider.savedState(), SkinState::Normal);
    EXPECT_FALSE(slider.buttonHeld());
    EXPECT_EQ(window.notifications, Values({200, 800, 1400, 200}));
}

TEST_F(CTavSliderCtrlTest, PaintsTheThumbOfTheStateAtItsValueAndTheValueBelow) {
    UseRange(200, 1400, 200);
    slider.SetPos(1400);
    QImage shot = slider.grab().toImage();
    EXPECT_EQ(SlotAt(shot, 5, 8), kSlotSensorNormal);
    EXPECT_EQ(SlotAt(shot, 119, 8), kSlotSensorNormal);
    EXPECT_EQ(SlotAt(shot, 120, 8), kSlotSliderNormal);
    EXPECT_EQ(SlotAt(shot, 129, 15), kSlotSliderNormal);
    EXPECT_EQ(SlotAt(shot, 125, 16), kSlotSensorNormal);

    MoveTo(40);
    EXPECT_EQ(slider.state(), SkinState::Hover);
    EXPECT_EQ(SlotAt(slider.grab().toImage(), 125, 8), kSlotSlider1);

    const auto hasWhiteBelowTheThumb = [this] {
        const QImage image = slider.grab().toImage();
        for (int y = 16; y < 36; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor colour = image.pixelColor(x, y);
                if (colour.red() > 200 && colour.green() > 200 && colour.blue() > 200) {
                    return true;
                }
            }
        }
        return false;
    };
    slider.SetPos(800);
    EXPECT_FALSE(hasWhiteBelowTheThumb());
    slider.SetShowValue(true);
    EXPECT_TRUE(hasWhiteBelowTheThumb());
}

}  // namespace
}  // namespace orvex::ui
