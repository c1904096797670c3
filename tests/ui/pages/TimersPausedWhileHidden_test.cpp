#include "ui/pages/TimersPausedWhileHidden.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

namespace orvex::ui {
namespace {

using namespace std::chrono_literals;

class TimersPausedWhileHiddenTest : public ::testing::Test {
  protected:
    TimersPausedWhileHiddenTest() {
        ticking.setInterval(1ms);
        ticking.start();
    }

    QWidget page;
    QTimer ticking;
    TimersPausedWhileHidden paused{page, {&ticking}};
};

TEST_F(TimersPausedWhileHiddenTest, AHiddenPagesTimerStopsAtItsFirstTickAndRunsAgainWhenShown) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return !ticking.isActive(); }, 1000));

    page.show();
    EXPECT_TRUE(ticking.isActive());
    QTest::qWait(5);
    EXPECT_TRUE(ticking.isActive()) << "a shown page's timer keeps running";

    page.hide();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !ticking.isActive(); }, 1000));
}

TEST_F(TimersPausedWhileHiddenTest, ATimerStoppedByItsOwnerStaysStoppedWhenThePageShows) {
    ticking.stop();
    page.show();
    EXPECT_FALSE(ticking.isActive());

    page.hide();
    ticking.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ticking.isActive(); }, 1000));
    paused.Forget(&ticking);
    page.show();
    EXPECT_FALSE(ticking.isActive()) << "stopped by its owner while paused";
}

}  // namespace
}  // namespace orvex::ui
