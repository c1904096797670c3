#include "ui/skin/CTavProgressCtrl.h"

#include <gtest/gtest.h>

#include <QTest>

#include "ui/skin/SkinFiles.h"
#include "ui/skin/SlotPieces.h"

namespace orvex::ui {
namespace {

using testing::SlotAt;
using testing::SlotPiece;

constexpr int kBackgroundSlot = kSlotSensorNormal;
const int kFillSlot = FamilySlot(SkinFamily::SensorSqat1, SkinState::Normal);

// The fill image's pixels carry their own coordinates: green = x, blue = y.
class CTavProgressCtrlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.resize(200, 100);
        bar.setGeometry(10, 10, 24, 48);
        bar.SetImages(SlotPiece(kBackgroundSlot, 24, 48), SlotPiece(kFillSlot, 24, 48));
        bar.SetMinimum(0);
        bar.SetMaximum(10);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget window;
    CTavProgressCtrl bar{&window};
};

TEST_F(CTavProgressCtrlTest, AVerticalBarGrowsUpWithTheTopRowsOfItsFill) {
    bar.SetVertical(true);
    bar.SetPos(5);
    const QImage shot = bar.grab().toImage();
    // Half of 48 rows: the lower 24 show the fill's rows 0..23.
    for (int y = 0; y < 48; ++y) {
        SCOPED_TRACE(y);
        if (y < 24) {
            EXPECT_EQ(SlotAt(shot, 5, y), kBackgroundSlot);
        } else {
            EXPECT_EQ(SlotAt(shot, 5, y), kFillSlot);
            EXPECT_EQ(qBlue(shot.pixel(5, y)), y - 24);
            EXPECT_EQ(qGreen(shot.pixel(5, y)), 5);
        }
    }
}

TEST_F(CTavProgressCtrlTest, AHorizontalBarShowsTheLeftPartOfItsFill) {
    bar.setGeometry(10, 10, 64, 20);
    bar.SetImages(SlotPiece(kBackgroundSlot, 64, 20), SlotPiece(kFillSlot, 64, 20));
    bar.SetPos(3);  // trunc(64 × 0.3) = 19 columns
    const QImage shot = bar.grab().toImage();
    EXPECT_EQ(SlotAt(shot, 0, 10), kFillSlot);
    EXPECT_EQ(SlotAt(shot, 18, 19), kFillSlot);
    EXPECT_EQ(qGreen(shot.pixel(18, 19)), 18);
    EXPECT_EQ(qBlue(shot.pixel(18, 19)), 19);
    EXPECT_EQ(SlotAt(shot, 19, 10), kBackgroundSlot);

    bar.SetPos(10);
    EXPECT_EQ(SlotAt(bar.grab().toImage(), 63, 10), kFillSlot);
}

TEST_F(CTavProgressCtrlTest, NothingIsFilledAtTheMinimumOrWithAnEmptyRange) {
    bar.SetVertical(true);
    bar.SetPos(0);
    EXPECT_EQ(SlotAt(bar.grab().toImage(), 5, 47), kBackgroundSlot);
    bar.SetPos(5);
    bar.SetMaximum(0);
    bar.SetMinimum(0);
    EXPECT_EQ(SlotAt(bar.grab().toImage(), 5, 47), kBackgroundSlot);
}

}  // namespace
}  // namespace orvex::ui
