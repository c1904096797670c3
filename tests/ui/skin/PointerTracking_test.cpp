#include "ui/skin/PointerTracking.h"

#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include "ui/skin/RecordingParent.h"
#include "ui/skin/SkinnedControl.h"

namespace orvex::ui {
namespace {

using testing::Notification;
using testing::RecordingParent;

// Wired like a skinned push button: hover notification on every entry.
class HoverProbe : public QWidget, public SkinnedControl {
  public:
    HoverProbe(QWidget* parent, int id, QRect geometry) : QWidget(parent), SkinnedControl(this) {
        SetControlId(id);
        setGeometry(geometry);
        setMouseTracking(true);
    }

    PointerTracking tracking;

  protected:
    void enterEvent(QEnterEvent*) override {
        Track(true, QGuiApplication::mouseButtons() & Qt::LeftButton);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        Track(rect().contains(event->position().toPoint()), event->buttons() & Qt::LeftButton);
    }
    void leaveEvent(QEvent*) override { tracking.PointerLeft(); }
    void mousePressEvent(QMouseEvent*) override { tracking.ButtonPressed(); }
    void mouseReleaseEvent(QMouseEvent*) override { tracking.ButtonReleased(); }

  private:
    void Track(bool inside, bool leftButtonDown) {
        if (tracking.PointerMoved(inside, leftButtonDown) == PointerTracking::Change::Entered) {
            NotifyParent(0);
        }
    }
};

class PointerTrackingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.resize(200, 60);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::mouseMove(&window, QPoint(150, 50));
        window.notifications.clear();
    }

    RecordingParent window;
    HoverProbe first{&window, 11, QRect(0, 0, 40, 20)};
    HoverProbe second{&window, 12, QRect(50, 0, 40, 20)};
};

TEST_F(PointerTrackingTest, HoverIsNotifiedOncePerEntry) {
    QTest::mouseMove(&window, QPoint(10, 10));
    QTest::mouseMove(&window, QPoint(20, 12));
    QTest::mouseMove(&window, QPoint(30, 5));
    EXPECT_EQ(first.tracking.state(), SkinState::Hover);

    QTest::mouseMove(&window, QPoint(60, 10));
    EXPECT_EQ(first.tracking.state(), SkinState::Normal);
    EXPECT_FALSE(first.tracking.tracking());
    EXPECT_EQ(second.tracking.state(), SkinState::Hover);

    QTest::mouseMove(&window, QPoint(10, 10));
    EXPECT_EQ(window.notifications, (std::vector<Notification>{{11, 0}, {12, 0}, {11, 0}}));
}

TEST_F(PointerTrackingTest, DraggingOutOfAPressedControlClearsItsHeldFlag) {
    QTest::mouseMove(&window, QPoint(10, 10));
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(first.tracking.state(), SkinState::Pressed);
    EXPECT_TRUE(first.tracking.buttonHeld());

    QTest::mouseMove(&window, QPoint(120, 40));
    EXPECT_EQ(first.tracking.state(), SkinState::Normal);
    EXPECT_FALSE(first.tracking.buttonHeld());
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(120, 40));
}

TEST(PointerTrackingRulesTest, SlidersTakeTheirDragStateBackOnReentry) {
    PointerTracking slider(PointerTracking::Variant::KeepsStateWhileDragging);
    slider.PointerMoved(true, false);
    slider.ButtonPressed();
    EXPECT_EQ(slider.PointerMoved(false, true), PointerTracking::Change::Left);
    EXPECT_EQ(slider.state(), SkinState::Normal);
    EXPECT_EQ(slider.PointerMoved(true, true), PointerTracking::Change::Entered);
    EXPECT_EQ(slider.state(), SkinState::Pressed);

    slider.PointerLeft();
    EXPECT_EQ(slider.PointerMoved(true, false), PointerTracking::Change::Entered);
    EXPECT_EQ(slider.state(), SkinState::Hover);
}

}  // namespace
}  // namespace orvex::ui
