#include "ui/skin/CTavSliderCtrl3D.h"

#include <gtest/gtest.h>

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

constexpr int kSliderId = 1022;

int Encoded(int thumb, int value) {
    return thumb * 65536 + value;
}

// The resolution slider: 50..7000 in steps of 50 over 300 columns; thumbs 1 and 2 are 12 × 20,
// thumb 3 is 12 × 24, so the others sit 2 rows down.
class CTavSliderCtrl3DTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.setGeometry(0, 0, 400, 100);
        slider.setGeometry(20, 20, 300, 50);
        slider.SetControlId(kSliderId);
        slider.SetImages(SlotPiece(kSlotSensorNormal, 64, 20), SlotPiece(kSlotSlider1, 12, 20),
                         SlotPiece(kSlotSlider2, 12, 20), SlotPiece(kSlotSlider3, 12, 24));
        slider.SetMinimum(50);
        slider.SetMaximum(7000);
        slider.SetStep(50);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::mouseMove(&window, QPoint(380, 90));
    }

    void Drag(int fromX, int toX) {
        QTest::mouseMove(&slider, QPoint(fromX, 10));
        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(fromX, 10));
        QTest::mouseMove(&slider, QPoint((fromX + toX) / 2, 10));
        QTest::mouseMove(&slider, QPoint(toX, 10));
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(toX, 10));
    }

    RecordingParent window;
    CTavSliderCtrl3D slider{&window};
};

TEST_F(CTavSliderCtrl3DTest, SettingAThumbClampsAndReportsItsNumberWithTheValue) {
    slider.SetPos1(400, true);
    slider.SetPos3(7000, true);
    slider.SetPos2(9000, true);
    slider.SetPos2(7000, true);  // already reported
    slider.SetPos1(20, false);
    slider.SetPos1(50, true);  // already the thumb's value
    EXPECT_EQ(window.notifications, (std::vector<Notification>{{kSliderId, Encoded(1, 400)},
                                                               {kSliderId, Encoded(3, 7000)},
                                                               {kSliderId, Encoded(2, 7000)}}));
    EXPECT_EQ(slider.value(1), 50);
    EXPECT_EQ(slider.value(2), 7000);
    EXPECT_EQ(slider.value(3), 7000);
}

TEST_F(CTavSliderCtrl3DTest, APressWhereThumbsOverlapTakesThumb1) {
    slider.SetPos1(1000, false);
    slider.SetPos2(1100, false);
    slider.SetPos3(7000, false);
    const EdgeRect thumb1 = slider.ThumbRect(1);
    const EdgeRect thumb2 = slider.ThumbRect(2);
    ASSERT_LT(thumb2.left, thumb1.right);
    const int overlap = (thumb2.left + thumb1.right) / 2;

    Drag(overlap, 150);
    ASSERT_FALSE(window.notifications.empty());
    for (const Notification& n : window.notifications) {
        EXPECT_EQ(n.code, kSliderId);
        EXPECT_EQ(n.value / 65536, 1);
    }
    EXPECT_EQ(window.notifications.back().value, Encoded(1, slider.value(1)));
    EXPECT_EQ(slider.value(1), SliderValueAt(150, 300, 12, slider.range()));
    EXPECT_EQ(slider.value(2), 1100);
    EXPECT_EQ(slider.activeThumb(), 0);
}

TEST_F(CTavSliderCtrl3DTest, APressOnTheBareTrackMovesNothing) {
    slider.SetPos1(1000, false);
    slider.SetPos2(3000, false);
    slider.SetPos3(5000, false);
    // From the empty left end across all three thumbs to the right end.
    Drag(1, 299);
    EXPECT_TRUE(window.notifications.empty());
    EXPECT_EQ(slider.value(1), 1000);
    EXPECT_EQ(slider.value(2), 3000);
    EXPECT_EQ(slider.value(3), 5000);
}

TEST_F(CTavSliderCtrl3DTest, ThumbsAreDrawnWithThumb1OnTopAndKeptInside) {
    slider.SetPos1(1000, false);
    slider.SetPos2(1100, false);
    slider.SetPos3(7000, false);
    const EdgeRect thumb1 = slider.ThumbRect(1);
    const EdgeRect thumb2 = slider.ThumbRect(2);
    const QImage shot = slider.grab().toImage();
    EXPECT_EQ(SlotAt(shot, thumb1.right - 1, 10), kSlotSlider1);  // inside thumb 2 as well
    EXPECT_EQ(SlotAt(shot, thumb2.right - 1, 10), kSlotSlider2);
    EXPECT_EQ(SlotAt(shot, thumb1.left, 1), kSlotSensorNormal);  // above the shorter thumb
    EXPECT_EQ(SlotAt(shot, thumb1.left, 2), kSlotSlider1);
    EXPECT_EQ(slider.ThumbRect(3), (EdgeRect{288, 0, 300, 24}));
    EXPECT_EQ(SlotAt(shot, 299, 0), kSlotSlider3);
}

}  // namespace
}  // namespace orvex::ui
