#include "ui/skin/CTavButton.h"

#include <gtest/gtest.h>

#include <QTest>

#include "ui/skin/RecordingParent.h"

namespace orvex::ui {
namespace {

using testing::Notification;
using testing::RecordingParent;

QImage Filled(QColor colour) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

const QImage kNormal = Filled(Qt::darkGray);
const QImage kHover = Filled(Qt::green);
const QImage kPressed = Filled(Qt::blue);
const QImage kDisabled = Filled(Qt::red);

class CTavButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.setGeometry(0, 0, 300, 100);
        button.setGeometry(20, 20, 100, 30);
        button.SetControlId(1042);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::mouseMove(&window, kAway);
        window.notifications.clear();
    }

    void DriveToState(SkinState state) {
        if (state == SkinState::Hover || state == SkinState::Pressed) {
            QTest::mouseMove(&button, kCentre);
        }
        if (state == SkinState::Pressed) {
            QTest::mousePress(&button, Qt::LeftButton, {}, kCentre);
        }
        ASSERT_EQ(button.state(), state);
    }

    static constexpr QPoint kAway{250, 80};  // in the window, off the button
    static constexpr QPoint kCentre{50, 15};
    RecordingParent window;
    CTavButton button{&window};
};

TEST_F(CTavButtonTest, ImageIsChosenByTheFirstRuleThatApplies) {
    struct Case {
        const char* name;
        bool enabled;
        bool checked;
        SkinState state;
        bool hasPressed;
        bool hasDisabled;
        const QImage* expected;  // nullptr: nothing drawn
    };
    const Case cases[] = {
        {"normal", true, false, SkinState::Normal, true, true, &kNormal},
        {"hover", true, false, SkinState::Hover, true, true, &kHover},
        {"pressed", true, false, SkinState::Pressed, true, true, &kPressed},
        {"checked shows pressed when normal", true, true, SkinState::Normal, true, true, &kPressed},
        {"checked shows pressed when hovered", true, true, SkinState::Hover, true, true, &kPressed},
        {"disabled wins over checked", false, true, SkinState::Normal, true, true, &kDisabled},
        {"disabled without its image, checked", false, true, SkinState::Normal, true, false,
         &kPressed},
        {"disabled without its image", false, false, SkinState::Normal, true, false, &kNormal},
        {"checked without a pressed image", true, true, SkinState::Hover, false, true, &kHover},
        {"pressed without a pressed image", true, false, SkinState::Pressed, false, true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        button.SetImages(kNormal, kHover, c.hasPressed ? kPressed : QImage(),
                         c.hasDisabled ? kDisabled : QImage());
        button.setEnabled(c.enabled);
        button.SetChecked(c.checked);
        DriveToState(c.state);
        const QImage drawn = button.ImageToDraw();
        if (c.expected == nullptr) {
            EXPECT_TRUE(drawn.isNull());
        } else {
            EXPECT_EQ(drawn, *c.expected);
        }
        QTest::mouseRelease(&button, Qt::LeftButton, {}, kCentre);
        QTest::mouseMove(&window, kAway);
    }
}

TEST_F(CTavButtonTest, TextColourFollowsDisabledCheckedAndHover) {
    EXPECT_EQ(button.TextColour(), QColor(0xD2, 0xD2, 0xD2));
    DriveToState(SkinState::Hover);
    EXPECT_EQ(button.TextColour(), QColor(Qt::white));
    button.SetChecked(true);
    EXPECT_EQ(button.TextColour(), QColor(0x4D, 0x82, 0xC3));
    button.setEnabled(false);
    EXPECT_EQ(button.TextColour(), QColor(0x78, 0x78, 0x78));
}

TEST_F(CTavButtonTest, PaintsTheStateImageAndTheTextFiveInFromTheLeft) {
    button.SetImages(kNormal, kHover, kPressed, kDisabled);
    button.SetText(QStringLiteral("Profile 1"));
    DriveToState(SkinState::Hover);
    const QImage shot = button.grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(Qt::green));
    // The text is white over the green hover image: the first column with red in it.
    int textLeft = -1;
    for (int x = 0; x < shot.width() && textLeft < 0; ++x) {
        for (int y = 0; y < shot.height(); ++y) {
            if (shot.pixelColor(x, y).red() > 100) {
                textLeft = x;
                break;
            }
        }
    }
    EXPECT_GE(textLeft, 5);
    EXPECT_LE(textLeft, 8);
}

TEST_F(CTavButtonTest, HoverIsNotifiedOncePerEntryAndTheClickSeparately) {
    QTest::mouseMove(&button, QPoint(10, 10));
    QTest::mouseMove(&button, QPoint(40, 12));
    QTest::mouseMove(&button, kCentre);
    EXPECT_EQ(window.notifications, (std::vector<Notification>{{1042, 0}}));

    QTest::mouseMove(&window, kAway);
    QTest::mouseMove(&button, kCentre);
    EXPECT_EQ(window.notifications.size(), 2u);

    window.notifications.clear();
    QTest::mousePress(&button, Qt::LeftButton, {}, kCentre);
    EXPECT_EQ(button.state(), SkinState::Pressed);
    EXPECT_TRUE(button.buttonHeld());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, kCentre);
    EXPECT_EQ(button.state(), SkinState::Normal);
    EXPECT_FALSE(button.buttonHeld());
    EXPECT_EQ(window.clicks, std::vector<int>{1042});
    EXPECT_TRUE(window.notifications.empty());

    // The released button has let the pointer go: the next move over it is a new entry.
    QTest::mouseMove(&button, kCentre + QPoint(3, 0));
    EXPECT_EQ(button.state(), SkinState::Hover);
    EXPECT_EQ(window.notifications, (std::vector<Notification>{{1042, 0}}));
}

TEST_F(CTavButtonTest, AReleaseOffTheButtonIsNoClick) {
    QTest::mousePress(&button, Qt::LeftButton, {}, kCentre);
    QTest::mouseMove(&window, kAway);
    EXPECT_EQ(button.state(), SkinState::Normal);
    QTest::mouseRelease(&window, Qt::LeftButton, {}, kAway);
    EXPECT_TRUE(window.clicks.empty());
}

}  // namespace
}  // namespace orvex::ui
