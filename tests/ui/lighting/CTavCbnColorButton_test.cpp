#include "ui/lighting/CTavCbnColorButton.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QTest>

#include "core/device/VirtualClock.h"
#include "ui/layout/ColorPanelLayout.h"
#include "ui/lighting/CColorPanel.h"
#include "ui/skin/MenuIdAllocator.h"
#include "ui/skin/RecordingParent.h"

namespace orvex::ui {
namespace {

namespace cp = layout::colorpanel;
using testing::Notification;
using testing::RecordingParent;

constexpr int kButtonId = 1208;
constexpr QPoint kCentre(8, 8);

QImage Plain(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

TEST(CColorPanel, OnlyTheCellsPickAndTheGapsBetweenThemBelongToNone) {
    struct Case {
        QPoint point;
        std::optional<std::uint32_t> colour;
    };
    const Case cases[] = {
        {{70, 50}, 0x00FF0000},    // cell 14, pure blue
        {{1, 1}, 0x000000FF},      // cell 1's first pixel
        {{20, 20}, 0x000000FF},    // and its last
        {{21, 10}, std::nullopt},  // the gap after cell 1
        {{10, 21}, std::nullopt},  // the gap below it
        {{100, 80}, 0x000A0AFF},   // cell 20's last pixel
        {{101, 80}, std::nullopt}, {{0, 0}, std::nullopt}, {{-1, 5}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CColorPanel::ColourAt(c.point), c.colour) << c.point.x() << ", " << c.point.y();
    }
}

TEST(ColorPanelPlacement, OpensUnderTheButtonAndStaysInsideTheScreensArea) {
    const QSize panel(102, 82);
    const QRect screen(0, 0, 800, 600);
    struct Case {
        const char* where;
        QRect button;
        QRect available;
        QPoint topLeft;
    };
    const Case cases[] = {
        {"room below", {100, 100, 17, 16}, screen, {100, 116}},
        {"at the right edge: its right edge under the button's",
         {760, 100, 17, 16},
         screen,
         {675, 116}},
        {"at the bottom edge: above the button", {100, 560, 17, 16}, screen, {100, 478}},
        {"in the bottom right corner", {790, 590, 17, 16}, screen, {698, 508}},
        {"left of the area", {-30, 100, 17, 16}, screen, {0, 116}},
        {"on a second screen", {1700, 300, 17, 16}, {1600, 0, 1280, 1024}, {1700, 316}},
        {"below a top panel", {100, -20, 17, 16}, {0, 24, 800, 576}, {100, 24}},
        {"an area smaller than the panel", {10, 10, 17, 16}, {0, 0, 60, 40}, {0, 0}},
    };
    // Where the compositor places pop-ups, the panel is asked for below its button.
    EXPECT_EQ(CTavCbnColorButton::PanelTopLeft({100, 100, 17, 16}, panel, std::nullopt),
              QPoint(100, 116));
    for (const Case& c : cases) {
        EXPECT_EQ(CTavCbnColorButton::PanelTopLeft(c.button, panel, c.available), c.topLeft)
            << c.where;
    }
}

class CTavCbnColorButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.setGeometry(50, 50, 300, 200);
        field.setGeometry(150, 20, 60, 20);
        button.setGeometry(20, 30, 17, 16);
        button.SetControlId(kButtonId);
        button.SetPanelIdAllocator(panelIds);
        button.SetImages(Plain({17, 16}, 0xFF404040), Plain({17, 16}, 0xFF606060),
                         Plain({17, 16}, 0xFF202020),
                         Plain({cp::kPanelSize.width, cp::kPanelSize.height}, 0xFF101010));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QApplication::setActiveWindow(&window);
        field.setFocus();
    }

    void TearDown() override { panel().hide(); }

    CColorPanel& panel() { return *button.panel(); }

    void ClickButton() { QTest::mouseClick(&button, Qt::LeftButton, {}, kCentre); }

    void OpenPanel() {
        ClickButton();
        ASSERT_TRUE(panel().isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel()));
    }

    VirtualClock clock;
    MenuIdAllocator panelIds{clock};
    RecordingParent window;
    QLineEdit field{&window};
    CTavCbnColorButton button{&window};
};

TEST_F(CTavCbnColorButtonTest, TheFirstImagesMakeAHiddenBorderlessPanelLaterOnesRepaintIt) {
    CColorPanel* const made = button.panel();
    ASSERT_NE(made, nullptr);
    EXPECT_FALSE(made->isVisible());
    EXPECT_TRUE(made->isWindow());
    EXPECT_EQ(made->windowTitle(), QStringLiteral("panel"));
    EXPECT_TRUE(made->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(made->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_GE(made->panelId(), MenuIdAllocator::kFirstMenuId);
    EXPECT_EQ(button.colour(), 0x000000FFu) << "red until a colour is picked";

    button.SetImages(QImage(), QImage(), QImage(), Plain({102, 82}, 0xFF00FF00));
    EXPECT_EQ(button.panel(), made);
    EXPECT_EQ(made->image().pixel(0, 0), 0xFF00FF00u);
}

TEST_F(CTavCbnColorButtonTest, TwoClicksShowThenHideThePanelUnderTheButtonWithoutTakingTheFocus) {
    OpenPanel();
    EXPECT_EQ(panel().geometry(),
              QRect(button.mapToGlobal(QPoint(0, button.height())), QSize(102, 82)));
    EXPECT_TRUE(panel().autoHideTimer().isActive());
    EXPECT_EQ(panel().autoHideTimer().intervalAsDuration(), std::chrono::milliseconds(2000));
    // The click itself focuses the button, as it does any push button; the panel takes nothing.
    EXPECT_EQ(QApplication::focusWidget(), &button);
    EXPECT_EQ(QApplication::activeWindow(), &window);
    EXPECT_TRUE(window.notifications.empty()) << "no hover notice, no pick";

    ClickButton();
    EXPECT_FALSE(panel().isVisible());
    EXPECT_FALSE(panel().autoHideTimer().isActive());
}

TEST_F(CTavCbnColorButtonTest, NearTheScreensCornerThePanelOpensAboveTheButtonAndStaysOnScreen) {
    const QRect available = button.screen()->availableGeometry();
    const QPoint buttonInWindow = button.pos();
    // The button's bottom-right corner 5 pixels inside the screen's bottom-right corner.
    window.move(available.right() - 5 - buttonInWindow.x() - button.width(),
                available.bottom() - 5 - buttonInWindow.y() - button.height());
    OpenPanel();
    const QRect onScreen(button.mapToGlobal(QPoint(0, 0)), button.size());
    EXPECT_TRUE(available.contains(panel().geometry())) << "within the screen";
    EXPECT_EQ(panel().geometry().bottom(), onScreen.top() - 1) << "just above the button";
    EXPECT_FALSE(panel().geometry().intersects(onScreen)) << "a second click still reaches it";
    ClickButton();
    EXPECT_FALSE(panel().isVisible());
}

TEST_F(CTavCbnColorButtonTest, ACellPickReachesTheParentOnceAndAGapPicksNothing) {
    OpenPanel();
    QTest::mouseClick(&panel(), Qt::LeftButton, {}, QPoint(21, 10));
    EXPECT_TRUE(window.notifications.empty());
    EXPECT_TRUE(panel().isVisible()) << "a click in a gap leaves the panel open";
    EXPECT_FALSE(panel().pressed());

    QTest::mouseClick(&panel(), Qt::LeftButton, {}, QPoint(70, 50));
    EXPECT_EQ(window.notifications, (std::vector<Notification>{{kButtonId, 0x00FF0000}}));
    EXPECT_EQ(button.colour(), 0x00FF0000u);
    EXPECT_FALSE(panel().isVisible());
}

TEST_F(CTavCbnColorButtonTest, TheButtonTakesOnlyItsOwnPanelsPicks) {
    button.ControlNotification(panel().panelId() + 1, 0x00123456);
    button.ControlNotification(0, 0x00123456);
    EXPECT_TRUE(window.notifications.empty());
    EXPECT_EQ(button.colour(), 0x000000FFu);

    button.ControlNotification(panel().panelId(), 0x00123456);
    EXPECT_EQ(window.notifications, (std::vector<Notification>{{kButtonId, 0x00123456}}));
}

TEST_F(CTavCbnColorButtonTest,
       ThePanelHidesAtTheTwoSecondCheckOnlyOnceThePointerLeftItAndItsButton) {
    OpenPanel();
    const QRect onPanel = panel().geometry();
    QCursor::setPos(onPanel.center());
    panel().CheckPointer();
    EXPECT_TRUE(panel().isVisible()) << "the pointer rests on the panel";

    QCursor::setPos(button.mapToGlobal(kCentre));
    panel().CheckPointer();
    EXPECT_TRUE(panel().isVisible()) << "the pointer went back to the button";

    QCursor::setPos(window.mapToGlobal(QPoint(250, 150)));
    panel().CheckPointer();
    EXPECT_FALSE(panel().isVisible());
    EXPECT_FALSE(panel().autoHideTimer().isActive());
}

TEST_F(CTavCbnColorButtonTest, HidingTheButtonHidesItsPanel) {
    OpenPanel();
    window.hide();
    EXPECT_FALSE(panel().isVisible());
}

}  // namespace
}  // namespace orvex::ui
