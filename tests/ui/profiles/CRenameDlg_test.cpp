#include "ui/profiles/CRenameDlg.h"

#include <gtest/gtest.h>

#include <QTest>

#include "ui/sensor/DialogSkin.h"
#include "ui/sensor/ModalSteps.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavEdit.h"

namespace orvex::ui {
namespace {

using testing::DialogSkin;
using testing::ModalSteps;

CRenameDlg& Rename(QDialog& dialog) {
    return static_cast<CRenameDlg&>(dialog);
}

void Click(CTavButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

class CRenameDlgTest : public ::testing::Test {
  protected:
    void SetUp() override {
        profile.slotIndex = 2;
        profile.name = u"profile";
    }

    // Runs the dialog: `typed` goes to whatever has the focus, then `finish` ends it.
    int RunTyping(const QString& typed, std::function<void(CRenameDlg&)> finish) {
        ModalSteps steps({[&](QDialog& dialog) {
            QTest::keyClicks(QApplication::focusWidget(), typed);
            finish(Rename(dialog));
        }});
        return CRenameDlg::Run(profile, nullptr);
    }

    DialogSkin skin;
    ProfileRecord profile;
};

TEST_F(CRenameDlgTest, OkOrEnterMakeTheTypedTextTheName) {
    EXPECT_EQ(RunTyping(QStringLiteral("Gaming"), [](CRenameDlg& d) { Click(d.okButton()); }), 1);
    EXPECT_EQ(profile.name, u"Gaming");

    EXPECT_EQ(RunTyping(QStringLiteral("Work"),
                        [](CRenameDlg& d) { QTest::keyClick(d.edit(), Qt::Key_Return); }),
              1);
    EXPECT_EQ(profile.name, u"Work");

    // The box opens empty, and an empty name is a name.
    EXPECT_EQ(RunTyping(QString(), [](CRenameDlg& d) { Click(d.okButton()); }), 1);
    EXPECT_EQ(profile.name, u"");
}

TEST_F(CRenameDlgTest, CancelCloseAndEscapeAfterTypingChangeNothing) {
    const std::function<void(CRenameDlg&)> ways[] = {
        [](CRenameDlg& d) { Click(d.cancelButton()); },
        [](CRenameDlg& d) { Click(d.closeButton()); },
        [](CRenameDlg& d) { QTest::keyClick(d.edit(), Qt::Key_Escape); },
    };
    for (const auto& way : ways) {
        EXPECT_EQ(RunTyping(QStringLiteral("Gaming"), way), 2);
        EXPECT_EQ(profile.name, u"profile");
    }
}

TEST_F(CRenameDlgTest, FaceIsTheRenameBitmapWithTheEditOverItsOwnCrop) {
    CRenameDlg dialog(profile, nullptr);
    const int normal = FamilySlot(SkinFamily::ReName, SkinState::Normal);
    EXPECT_EQ(dialog.size(), DialogSkin::kRenameSize);
    EXPECT_EQ(dialog.edit()->geometry(), QRect(112, 44, 199, 15));
    EXPECT_EQ(dialog.edit()->backgroundImage(),
              DialogSkin::Picture(normal, DialogSkin::kRenameSize).copy(112, 44, 199, 15));
    EXPECT_EQ(dialog.okButton()->image(SkinState::Pressed),
              DialogSkin::Picture(FamilySlot(SkinFamily::ReName, SkinState::Pressed),
                                  DialogSkin::kRenameSize)
                  .copy(dialog.okButton()->geometry()));
    EXPECT_TRUE(dialog.edit()->text().isEmpty());
}

}  // namespace
}  // namespace orvex::ui
