#include "ui/skin/CTavEdit.h"

#include <gtest/gtest.h>

#include <QTest>

#include "ui/skin/CQELNUMEdit.h"
#include "ui/skin/NotificationCodes.h"
#include "ui/skin/RecordingParent.h"
#include "ui/skin/SkinFonts.h"

namespace orvex::ui {
namespace {

using testing::Notification;
using testing::RecordingParent;

class EditTest : public ::testing::Test {
  protected:
    EditTest() {
        edit.SetControlId(1200);
        edit.setGeometry(5, 5, 60, 16);
        number.SetControlId(1201);
        number.setGeometry(5, 30, 40, 16);
    }

    // How many text-change notifications the parent has had from a control.
    int ChangesFrom(int controlId) const {
        int count = 0;
        for (const Notification& n : parent.notifications) {
            count += n == Notification{controlId, kEditTextChangedValue} ? 1 : 0;
        }
        return count;
    }

    RecordingParent parent;
    CTavEdit edit{&parent};
    CQELNUMEdit number{&parent};
};

TEST_F(EditTest, EveryChangeTellsTheParentAfterTheChangeTypedOrSet) {
    QString textSeen;
    parent.onNotification = [&](int, int) { textSeen = edit.text(); };
    edit.setText(QStringLiteral("Macro 1"));
    EXPECT_EQ(textSeen, QStringLiteral("Macro 1"));
    EXPECT_EQ(ChangesFrom(1200), 1);

    QTest::keyClicks(&edit, QStringLiteral("ab"));
    EXPECT_EQ(edit.text(), QStringLiteral("Macro 1ab"));
    EXPECT_EQ(textSeen, QStringLiteral("Macro 1ab"));
    EXPECT_EQ(ChangesFrom(1200), 3);
}

TEST_F(EditTest, WithoutBackgroundItIsABlackFieldWithAGreyFrame) {
    const QImage shot = edit.grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(0x96, 0x96, 0x96));
    EXPECT_EQ(shot.pixelColor(59, 15), QColor(0x96, 0x96, 0x96));
    EXPECT_EQ(shot.pixelColor(30, 8), QColor(Qt::black));

    QImage skin(60, 16, QImage::Format_RGB32);
    skin.fill(QColor(10, 20, 30));
    edit.SetBackgroundImage(skin);
    EXPECT_EQ(edit.grab().toImage().pixelColor(0, 0), QColor(10, 20, 30));
}

TEST_F(EditTest, DigitsOnlyRefusesOtherCharactersButNotTheProgramsText) {
    edit.SetDigitsOnly(true);
    QTest::keyClicks(&edit, QStringLiteral("a1b2"));
    EXPECT_EQ(edit.text(), QStringLiteral("12"));
    edit.setText(QStringLiteral("x"));
    EXPECT_EQ(edit.text(), QStringLiteral("x"));
}

struct NumberTyping {
    const char* start;
    bool selectAll;
    const char* typed;
    const char* result;
};

TEST_F(EditTest, NumberFieldTakesAtMostThreeDigitsOrMinusSigns) {
    const NumberTyping cases[] = {
        {"", false, "A", ""},      {"", false, "1234", "123"}, {"", false, "-30", "-30"},
        {"", false, "12-", "12-"}, {"1", false, "x 2", "12"},  {"123", true, "7", "7"},
    };
    for (const NumberTyping& c : cases) {
        SCOPED_TRACE(c.typed);
        number.setText(QString::fromLatin1(c.start));
        if (c.selectAll) {
            QTest::keyClick(&number, Qt::Key_A, Qt::ControlModifier);
        }
        QTest::keyClicks(&number, QString::fromLatin1(c.typed));
        EXPECT_EQ(number.text(), QString::fromLatin1(c.result));
    }
}

TEST_F(EditTest, RefusedCharacterChangesNothingAndSendsNothing) {
    number.setText(QStringLiteral("12"));
    parent.notifications.clear();
    QTest::keyClick(&number, Qt::Key_A);
    number.setCursorPosition(2);
    QTest::keyClicks(&number, QStringLiteral("34"));
    EXPECT_EQ(number.text(), QStringLiteral("123"));
    EXPECT_EQ(ChangesFrom(1201), 1);

    QTest::keyClick(&number, Qt::Key_Backspace);
    EXPECT_EQ(number.text(), QStringLiteral("12"));
    EXPECT_EQ(ChangesFrom(1201), 2);
}

TEST_F(EditTest, FontHeights) {
    edit.SetFontHeight(16);
    EXPECT_EQ(edit.font().family(), kArialFace);
    EXPECT_EQ(edit.font().pixelSize(), MakeSkinFont(kArialFace, 16).pixelSize());

    // The number field always takes the skin's typeface at 13.
    number.SetFontHeight(20);
    EXPECT_EQ(number.font().family(), kNeoSansFace);
    EXPECT_EQ(number.font().pixelSize(), MakeSkinFont(kNeoSansFace, 13).pixelSize());
}

}  // namespace
}  // namespace orvex::ui
