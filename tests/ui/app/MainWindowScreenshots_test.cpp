// Pictures of the main window for people to look at: written only when ORVEX_SCREENSHOT_DIR names
// a folder. ORVEX_SCREENSHOT_SKIN may name a skin folder to draw them from (the default skin the
// build makes, for example) instead of the tests' own outlines.
#include <QDir>
#include <QPainter>
#include <QTest>

#include "MainWindowRig.h"
#include "ui/app/SlotBar.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/PopupMenu.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui::testing {
namespace {

// The window with any shown menus drawn where they are on the screen.
QImage Screenshot(QWidget& window, const std::vector<QWidget*>& menus) {
    QRect area = window.geometry();
    for (QWidget* menu : menus) {
        area |= menu->geometry();
    }
    QImage shot(area.size(), QImage::Format_ARGB32);
    shot.fill(QColor(235, 235, 235));
    QPainter painter(&shot);
    painter.drawPixmap(window.geometry().topLeft() - area.topLeft(), window.grab());
    for (QWidget* menu : menus) {
        painter.drawPixmap(menu->geometry().topLeft() - area.topLeft(), menu->grab());
    }
    return shot;
}

class MainWindowScreenshots : public MainWindowTest {
  protected:
    void SetUp() override {
        folder_ = qEnvironmentVariable("ORVEX_SCREENSHOT_DIR");
        if (folder_.isEmpty()) {
            GTEST_SKIP() << "set ORVEX_SCREENSHOT_DIR to write the main window's pictures";
        }
        QDir().mkpath(folder_);
        MainWindowTest::SetUp();
        const QString skin = qEnvironmentVariable("ORVEX_SCREENSHOT_SKIN");
        if (!skin.isEmpty()) {
            skin_ = std::make_unique<SkinImageSet>(skin);
            SkinImageSet::SetInstanceForTests(skin_.get());
        }
    }

    void Save(const QImage& shot, const QString& name) const {
        EXPECT_TRUE(shot.save(QDir(folder_).filePath(name + QStringLiteral(".png"))));
    }

    QString folder_;
    std::unique_ptr<SkinImageSet> skin_;
};

TEST_F(MainWindowScreenshots, SlotStatesAndOpenMenus) {
    ProfileRecord renamed = MakeDefaultProfile();
    renamed.name = u"Gaming";
    WriteSlotFile(2, renamed);
    MakeWindow(/*realMacroPage=*/true, /*realPages=*/true);
    window->move(40, 40);
    Save(Screenshot(*window, {}), QStringLiteral("main-slot1"));

    window->SelectSlot(3);
    ChooseSlotMenuItem(4, SlotBar::kDisableEnable);
    window->SelectPage(CTESKDlg::kSensorPage);
    Save(Screenshot(*window, {}), QStringLiteral("main-slot3-slot4-disabled-sensor"));

    ClickControl(window->slotMenuButton(2));
    Save(Screenshot(*window, {window->slotMenuButton(2)->menu()}),
         QStringLiteral("main-slot-menu"));
    window->slotMenuButton(2)->menu()->Close();

    window->SelectPage(CTESKDlg::kSupportPage);
    ClickControl(window->languageSelector());
    Save(Screenshot(*window, {window->languageSelector()->menu()}),
         QStringLiteral("main-language-menu"));
    window->languageSelector()->menu()->Close();

    window->OpenTrayMenu(QPoint(900, 560));
    Save(Screenshot(*window, {window->trayMenu()}), QStringLiteral("main-tray-menu"));
}

}  // namespace
}  // namespace orvex::ui::testing
