#include "ui/skin/CTavStatic.h"

#include <gtest/gtest.h>

#include <QTest>

#include "ui/skin/NotificationCodes.h"
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

QColor CentreColour(QWidget& widget) {
    const QImage shot = widget.grab().toImage();
    return shot.pixelColor(shot.width() / 2, shot.height() / 2);
}

TEST(CTavStaticTest, SetTextAddsTheFirstTextThenReplacesIt) {
    CTavStatic label;
    EXPECT_EQ(label.CurrentText(), QString());
    label.SetText(QStringLiteral("1.22"));
    EXPECT_EQ(label.CurrentText(), QStringLiteral("1.22"));
    label.SetText(QStringLiteral("1.23"));
    EXPECT_EQ(label.CurrentText(), QStringLiteral("1.23"));

    // Still one entry: the next index is outside the list.
    label.SetCurrentTextIndex(1);
    EXPECT_EQ(label.CurrentText(), QString());
    label.SetText(QStringLiteral("2.00"));
    EXPECT_EQ(label.currentTextIndex(), 0);
    EXPECT_EQ(label.CurrentText(), QStringLiteral("2.00"));
}

TEST(CTavStaticTest, PicturesAreLayeredAndAnIndexOutsideTheListShowsOnlyFillAndBackground) {
    CTavStatic label;
    label.resize(40, 20);
    EXPECT_EQ(CentreColour(label), QColor(Qt::black));

    label.SetFillColour(0xFF0000FF);
    EXPECT_EQ(CentreColour(label), QColor(Qt::blue));

    label.SetBackground(Filled(Qt::red));
    label.AddImage(Filled(Qt::green));
    EXPECT_EQ(CentreColour(label), QColor(Qt::green));

    for (int outside : {-1, 1}) {
        label.SetCurrentImageIndex(outside);
        EXPECT_EQ(CentreColour(label), QColor(Qt::red)) << "image index " << outside;
    }
}

TEST(CTavStaticTest, DoubleClickTellsTheParent) {
    RecordingParent parent;
    parent.resize(100, 50);
    CTavStatic label(&parent);
    label.SetControlId(1301);
    label.setGeometry(10, 10, 40, 20);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));

    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_TRUE(parent.notifications.empty());
    QTest::mouseDClick(&label, Qt::LeftButton);
    EXPECT_EQ(parent.notifications, (std::vector<Notification>{{1301, kStaticDoubleClickedValue}}));
}

}  // namespace
}  // namespace orvex::ui
