#include "ui/skin/CTavScrollCtrl.h"

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

// Each image of the bar comes from its own slot, so a grab tells which one was drawn.
constexpr int kBackgroundSlot = kSlotScrollNormal;
constexpr int kThumbSlot = kSlotScrollDown;
constexpr int kThumbPressedSlot = kSlotScrollOver;
constexpr int kFirstArrowSlot = kSlotSlider2;
constexpr int kFirstArrowPressedSlot = kSlotSlider3;
constexpr int kSecondArrowSlot = kSlotSliderNormal;
constexpr int kSecondArrowPressedSlot = kSlotSliderDisable;

void GiveImages(CTavScrollCtrl& bar) {
    bar.SetImages(SlotPiece(kBackgroundSlot, 16, 48), SlotPiece(kThumbSlot, 16, 20),
                  SlotPiece(kThumbPressedSlot, 16, 20), SlotPiece(kFirstArrowSlot, 16, 12),
                  SlotPiece(kFirstArrowPressedSlot, 16, 12), SlotPiece(kSecondArrowSlot, 16, 14),
                  SlotPiece(kSecondArrowPressedSlot, 16, 14));
}

// A list's bar: 16 × 100, arrows 12 and 14 high, a 20-pixel thumb, so the track runs from row 12
// to row 86 and the thumb's centre from row 22 to row 76; positions 3 (visible rows) to 20.
class CTavScrollCtrlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.setGeometry(0, 0, 300, 150);
        for (CTavScrollCtrl* bar : {&first, &second}) {
            bar->resize(16, 100);
            GiveImages(*bar);
            bar->SetMinimum(3);
            bar->SetMaximum(20);
        }
        first.move(200, 10);
        first.SetControlId(100);
        second.move(240, 10);
        second.SetControlId(101);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::mouseMove(&window, kAway);
        first.SetPos(3);
        second.SetPos(3);
        window.notifications.clear();
    }

    static void Press(CTavScrollCtrl& bar, QPoint point) {
        QTest::mouseMove(&bar, point);
        QTest::mousePress(&bar, Qt::LeftButton, {}, point);
    }
    static void Release(CTavScrollCtrl& bar, QPoint point) {
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, point);
    }

    static constexpr QPoint kAway{100, 140};
    RecordingParent window;
    CTavScrollCtrl first{&window};
    CTavScrollCtrl second{&window};
};

TEST_F(CTavScrollCtrlTest, AnArrowJumpsToItsEndAndReportsItTwice) {
    Press(first, QPoint(8, 93));
    EXPECT_EQ(first.pressedPart(), kSecondArrowPart);
    EXPECT_EQ(SlotAt(first.grab().toImage(), 8, 93), kSecondArrowPressedSlot);
    EXPECT_TRUE(window.notifications.empty());
    Release(first, QPoint(8, 93));
    EXPECT_EQ(window.notifications, (std::vector<Notification>{{100, 20}, {100, 20}}));
    EXPECT_EQ(first.position(), 20);
    EXPECT_EQ(first.layout().thumb, (EdgeRect{0, 66, 16, 86}));
    EXPECT_EQ(first.pressedPart(), kNoPart);
    const QImage shot = first.grab().toImage();
    EXPECT_EQ(SlotAt(shot, 8, 93), kSecondArrowSlot);
    EXPECT_EQ(SlotAt(shot, 8, 85), kThumbSlot);
    EXPECT_EQ(SlotAt(shot, 8, 65), kBackgroundSlot);

    window.notifications.clear();
    Press(first, QPoint(8, 2));
    Release(first, QPoint(8, 2));
    EXPECT_EQ(window.notifications, (std::vector<Notification>{{100, 3}, {100, 3}}));
    EXPECT_EQ(first.layout().thumb, (EdgeRect{0, 12, 16, 32}));
}

TEST_F(CTavScrollCtrlTest, DraggingTheThumbReportsEachNewPositionOnce) {
    Press(first, QPoint(8, 22));
    EXPECT_EQ(first.pressedPart(), kThumbPart);
    EXPECT_EQ(SlotAt(first.grab().toImage(), 8, 22), kThumbPressedSlot);
    for (int y = 22; y <= 76; ++y) {
        QTest::mouseMove(&first, QPoint(8, y));
    }
    Release(first, QPoint(8, 76));
    std::vector<Notification> expected;
    for (int position = 4; position <= 20; ++position) {
        expected.push_back({100, position});
    }
    EXPECT_EQ(window.notifications, expected);
    EXPECT_EQ(first.layout().thumb, (EdgeRect{0, 66, 16, 86}));
}

TEST_F(CTavScrollCtrlTest, EachBarReportsItsOwnChangesFromTheVeryFirstStep) {
    // A press on the bare track brings the thumb there at once, and says so.
    Press(first, QPoint(8, 76));
    Release(first, QPoint(8, 76));
    EXPECT_EQ(window.notifications, (std::vector<Notification>{{100, 20}}));

    // The other list's bar going to the same position is a change of its own.
    Press(second, QPoint(8, 76));
    Release(second, QPoint(8, 76));
    EXPECT_EQ(window.notifications, (std::vector<Notification>{{100, 20}, {101, 20}}));
}

TEST_F(CTavScrollCtrlTest, SetPosClampsAndAlwaysReports) {
    first.SetPos(50);
    first.SetPos(20);
    first.SetPos(-5);
    EXPECT_EQ(window.notifications, (std::vector<Notification>{{100, 20}, {100, 20}, {100, 3}}));
    EXPECT_EQ(first.position(), 3);
    EXPECT_EQ(first.layout().thumb, (EdgeRect{0, 12, 16, 32}));
}

TEST_F(CTavScrollCtrlTest, APressTakenOffTheBarIsAbandoned) {
    Press(first, QPoint(8, 93));
    QTest::mouseMove(&first, QPoint(-50, 93));
    EXPECT_EQ(first.state(), SkinState::Normal);
    Release(first, QPoint(-50, 93));
    EXPECT_TRUE(window.notifications.empty());
    EXPECT_EQ(first.position(), 3);
    EXPECT_EQ(first.pressedPart(), kNoPart);

    // A thumb drag that wanders off sideways stops there: coming back with the button down only
    // hovers, and it is the release over the track that places the thumb.
    Press(first, QPoint(8, 22));
    QTest::mouseMove(&first, QPoint(8, 40));
    const int reached = first.position();
    QTest::mouseMove(&first, QPoint(30, 50));
    QTest::mouseMove(&first, QPoint(8, 60));
    QTest::mouseMove(&first, QPoint(8, 70));
    EXPECT_EQ(first.state(), SkinState::Hover);
    EXPECT_EQ(first.position(), reached);
    Release(first, QPoint(8, 70));
    EXPECT_EQ(first.position(), 18);
}

TEST_F(CTavScrollCtrlTest, ABarSizedAfterItsImagesIsLaidOutForItsSize) {
    CTavScrollCtrl bar(&window);
    GiveImages(bar);
    bar.resize(100, 16);
    bar.show();
    EXPECT_EQ(bar.layout().orientation, ScrollBarLayout::kHorizontal);
    EXPECT_EQ(bar.layout().secondArrow, (EdgeRect{84, 0, 100, 16}));
    EXPECT_EQ(bar.layout().thumb, (EdgeRect{16, 0, 32, 16}));
}

}  // namespace
}  // namespace orvex::ui
