// Pictures of every pop-up face, the rename dialog and the support page in the default skin, for
// people to look at: written only when ORVEX_SCREENSHOT_DIR names a folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QTest>

#include "sim/VirtualMouseRig.h"
#include "ui/TestServices.h"
#include "ui/macros/KeyCapturedEvent.h"
#include "ui/profiles/CRenameDlg.h"
#include "ui/sensor/CPopDlg.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavEdit.h"
#include "ui/skin/SkinFonts.h"
#include "ui/skin/SkinImageSet.h"
#include "ui/skin/SkinLocation.h"
#include "ui/support/CSupportDlg.h"

namespace orvex::ui {
namespace {

using testing::FakeKeyboardHook;

// The default skin is drawn at build time into bin/ beside the test programs' folder;
// ORVEX_SKIN_DIR points elsewhere.
QString DefaultSkinFolder() {
    const QString chosen = qEnvironmentVariable("ORVEX_SKIN_DIR");
    if (!chosen.isEmpty()) {
        return chosen;
    }
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("../bin/ORVEXSK_Skins"));
}

class DialogScreenshots : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = qEnvironmentVariable("ORVEX_SCREENSHOT_DIR");
        if (folder_.isEmpty()) {
            GTEST_SKIP() << "set ORVEX_SCREENSHOT_DIR to write the dialogs' pictures";
        }
        const QString skinFolder = DefaultSkinFolder();
        if (!QFileInfo::exists(QDir(skinFolder).filePath(QStringLiteral("AssignKey_Normal.bmp")))) {
            GTEST_SKIP() << "no default skin in " << skinFolder.toStdString()
                         << " (build orvex_default_skin or set ORVEX_SKIN_DIR)";
        }
        QDir().mkpath(folder_);
        skin_ = std::make_unique<SkinImageSet>(skinFolder);
        SkinImageSet::SetInstanceForTests(skin_.get());
        RegisterSkinFont(SkinLocation::ForRunningProgram().fontFile);
    }

    void Save(QWidget& window, const QString& name) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_TRUE(window.grab().save(QDir(folder_).filePath(name + QStringLiteral(".png"))));
    }

    QString folder_;
    std::unique_ptr<SkinImageSet> skin_;
    testing::TestServices services;
};

TEST_F(DialogScreenshots, EveryPopupFace) {
    const std::pair<PopupMode, const char*> faces[] = {
        {PopupMode::LeftClickWarning, "popup-left-click-warning"},
        {PopupMode::DeleteMacroConfirm, "popup-delete-macro"},
        {PopupMode::SurfaceIntro, "popup-surface-intro"},
        {PopupMode::SurfaceResult, "popup-surface-result"},
        {PopupMode::ResetWarning, "popup-reset-warning"},
    };
    for (const auto& [mode, name] : faces) {
        CPopDlg popup(mode, nullptr, services.popupServices());
        Save(popup, QString::fromLatin1(name));
    }

    CPopDlg hovered(PopupMode::ResetWarning, nullptr, services.popupServices());
    hovered.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&hovered));
    QTest::mouseMove(hovered.okButton(), hovered.okButton()->rect().center());
    Save(hovered, QStringLiteral("popup-reset-warning-ok-hovered"));

    CPopDlg countdown(PopupMode::SurfaceCountdown, nullptr, services.popupServices());
    countdown.countdownTimer().stop();
    Save(countdown, QStringLiteral("popup-surface-countdown-10"));
    for (int tick = 0; tick < 3; ++tick) {
        countdown.CountdownTick();
    }
    Save(countdown, QStringLiteral("popup-surface-countdown-7"));

    CPopDlg assign(PopupMode::AssignKey, nullptr, services.popupServices());
    Save(assign, QStringLiteral("popup-assign-key-empty"));
    KeyCapturedEvent enter(0x0D, false);
    QCoreApplication::sendEvent(&assign, &enter);
    Save(assign, QStringLiteral("popup-assign-key-enter"));
}

TEST_F(DialogScreenshots, RenameDialogAndSupportPage) {
    ProfileRecord profile;
    CRenameDlg rename(profile, nullptr);
    rename.edit()->setText(QStringLiteral("Gaming"));
    Save(rename, QStringLiteral("rename-dialog"));

    CSupportDlg support(services.services, nullptr);
    Save(support, QStringLiteral("support-page"));
}

}  // namespace
}  // namespace orvex::ui
