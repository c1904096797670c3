#include "ui/skin/CTavCheckBox.h"

#include <gtest/gtest.h>

#include <QTest>

#include "ui/skin/RecordingParent.h"

namespace orvex::ui {
namespace {

// Remembers what the box said about itself when its click arrived.
class ClickReadingParent : public testing::RecordingParent {
  public:
    void ControlClicked(int controlId) override {
        RecordingParent::ControlClicked(controlId);
        checkedAtClick.push_back(box != nullptr && box->IsChecked());
    }
    CTavCheckBox* box = nullptr;
    std::vector<bool> checkedAtClick;
};

class CTavCheckBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.setGeometry(0, 0, 200, 100);
        box.setGeometry(20, 20, 20, 20);
        box.SetControlId(1101);
        window.box = &box;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // The pointer comes over the box before it presses, as a user's does.
        QTest::mouseMove(&window, kOutside);
        QTest::mouseMove(&box, kInside);
    }

    static constexpr QPoint kInside{10, 10};
    static constexpr QPoint kOutside{150, 80};
    ClickReadingParent window;
    CTavCheckBox box{&window};
};

TEST_F(CTavCheckBoxTest, AClickTogglesBeforeTheParentHearsIt) {
    QTest::mouseClick(&box, Qt::LeftButton, {}, kInside);
    EXPECT_TRUE(box.IsChecked());
    QTest::mouseClick(&box, Qt::LeftButton, {}, kInside);
    EXPECT_FALSE(box.IsChecked());
    EXPECT_EQ(window.clicks, (std::vector<int>{1101, 1101}));
    EXPECT_EQ(window.checkedAtClick, (std::vector<bool>{true, false}));
    EXPECT_TRUE(window.notifications.empty()) << "a check box sends no hover notification";
}

TEST_F(CTavCheckBoxTest, PressedInsideAndReleasedOutsideDoesNotToggle) {
    QTest::mousePress(&box, Qt::LeftButton, {}, kInside);
    QTest::mouseMove(&window, kOutside);
    EXPECT_FALSE(box.buttonHeld());
    QTest::mouseRelease(&window, Qt::LeftButton, {}, kOutside);
    EXPECT_FALSE(box.IsChecked());
    EXPECT_TRUE(window.clicks.empty());

    // Coming back before the release takes the press up again.
    QTest::mousePress(&box, Qt::LeftButton, {}, kInside);
    QTest::mouseMove(&window, kOutside);
    QTest::mouseMove(&box, kInside);
    EXPECT_TRUE(box.buttonHeld());
    QTest::mouseRelease(&box, Qt::LeftButton, {}, kInside);
    EXPECT_TRUE(box.IsChecked());
    EXPECT_EQ(window.clicks, std::vector<int>{1101});
}

TEST_F(CTavCheckBoxTest, ShowsItsCheckedImageWhateverTheState) {
    QImage normal(4, 4, QImage::Format_RGB32);
    normal.fill(Qt::gray);
    QImage checked(4, 4, QImage::Format_RGB32);
    checked.fill(Qt::blue);
    box.SetImages(normal, QImage(), checked, QImage());
    EXPECT_TRUE(box.ImageToDraw().isNull()) << "hovered, without a hover image";
    QTest::mouseMove(&window, kOutside);
    EXPECT_EQ(box.ImageToDraw(), normal);
    box.SetChecked(true);
    EXPECT_EQ(box.ImageToDraw(), checked);
    QTest::mouseMove(&box, kInside);
    EXPECT_EQ(box.ImageToDraw(), checked);
    EXPECT_EQ(box.grab().toImage().pixelColor(10, 10), QColor(Qt::blue));
}

}  // namespace
}  // namespace orvex::ui
