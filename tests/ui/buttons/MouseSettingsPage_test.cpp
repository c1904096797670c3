// What the page is made of: its controls at their places, their first values and the menus.
#include <QTest>

#include "MouseSettingsRig.h"
#include "core/buttons/ButtonFunction.h"
#include "ui/layout/MainWindowLayout.h"
#include "ui/layout/WindowLayouts.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavCheckBox.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/CTavSliderCtrl.h"
#include "ui/skin/LayoutRectQt.h"
#include "ui/skin/NotificationCodes.h"
#include "ui/skin/PopupMenu.h"
#include "ui/skin/SkinnedControl.h"

namespace orvex::ui::testing {
namespace {

std::vector<std::pair<int, QString>> EntriesOf(const PopupMenu& menu) {
    std::vector<std::pair<int, QString>> entries;
    for (int i = 0; i < menu.itemCount(); ++i) {
        entries.emplace_back(menu.item(i).id, menu.item(i).text);
    }
    return entries;
}

TEST_F(MouseSettingsTest, EveryControlOfTheLayoutIsOnThePageAtItsPlace) {
    MakeWindowWithMousePage();
    CMouseSettingsDlg& page = mousePage();
    EXPECT_EQ(page.size(),
              QSize(layout::mainwindow::kPageSize.width, layout::mainwindow::kPageSize.height));
    EXPECT_FALSE(page.backgroundImage().isNull());

    const layout::WindowLayout* table = layout::FindWindowLayout("MouseSettings");
    ASSERT_NE(table, nullptr);
    for (const layout::ControlPlacement& placed : table->controls) {
        SCOPED_TRACE(std::string(placed.name));
        QWidget* found = nullptr;
        for (QWidget* child : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->geometry() == ToQRect(placed.rect)) {
                found = child;
            }
        }
        ASSERT_NE(found, nullptr);
        EXPECT_TRUE(found->isVisible());
        if (placed.controlId != layout::kNoControlId) {
            EXPECT_EQ(dynamic_cast<SkinnedControl*>(found)->controlId(), placed.controlId);
        }
    }
    for (std::size_t i = 0; i < CMouseSettingsDlg::kFunctionButtonCount; ++i) {
        EXPECT_FALSE(page.functionButton(i)->image(SkinState::Hover).isNull()) << i;
        EXPECT_TRUE(page.badge(i)->Text().isEmpty()) << "the picture shows the number";
    }
}

TEST_F(MouseSettingsTest, ANewPageShowsTheFactoryButtonsAndItsOwnPointerDefaults) {
    MakeWindowWithMousePage();
    MacroList noMacros;
    CMouseSettingsDlg fresh(services.services, noMacros, nullptr);

    const std::array<QString, 9> functions{
        QStringLiteral("Left Click"),    QStringLiteral("Right Click"),
        QStringLiteral("Scroll Click"),  QStringLiteral("Forward"),
        QStringLiteral("Back"),          QStringLiteral("Dpi up"),
        QStringLiteral("Dpi down"),      QStringLiteral("Disable Button"),
        QStringLiteral("Disable Button")};
    const std::array<int, 9> codes{0, 1, 2, 3, 4, 5, 6, kDisable, kDisable};
    for (std::size_t i = 0; i < functions.size(); ++i) {
        EXPECT_EQ(fresh.functionButton(i)->Text(), functions[i]) << i;
        EXPECT_EQ(fresh.functionButton(i)->selectedCode(), codes[i]) << i;
    }
    EXPECT_TRUE(fresh.reportRateBox(3)->IsChecked());
    EXPECT_FALSE(fresh.reportRateBox(0)->IsChecked());
    EXPECT_EQ(fresh.doubleClickSlider()->value(), 800);
    EXPECT_EQ(fresh.scrollSpeedSlider()->value(), 1);
    EXPECT_EQ(fresh.accelerationSlider()->value(), 2);
    EXPECT_EQ(fresh.accelerationSlider()->state(), SkinnedSlider::kInert);
    EXPECT_FALSE(fresh.accelerationEnableBox()->IsChecked());
    EXPECT_EQ(fresh.doubleClickSlider()->range().step, 200);

    const CTavMenu* menu = fresh.functionButton(8)->tavMenu();
    EXPECT_EQ(EntriesOf(*menu),
              (std::vector<std::pair<int, QString>>{{255, QStringLiteral("Default Commands")},
                                                    {9, QStringLiteral("Profile switch up")},
                                                    {10, QStringLiteral("Profile switch down")},
                                                    {8, QStringLiteral("Profile switch roll")},
                                                    {11, QStringLiteral("Scroll up")},
                                                    {12, QStringLiteral("Scroll down")},
                                                    {13, QStringLiteral("Single key assign...")},
                                                    {14, QStringLiteral("Assign record macro")},
                                                    {15, QStringLiteral("Disable Button")}}));
    CTavMenu* defaults = fresh.functionButton(8)->tavMenu()->GetSubMenu(kDefaultCommandsMenuId);
    ASSERT_EQ(defaults->itemCount(), 7);
    for (int code = 0; code < 7; ++code) {
        EXPECT_EQ(defaults->item(code).id, code);
        EXPECT_EQ(defaults->item(code).text, functions[static_cast<std::size_t>(code)]);
    }
    EXPECT_EQ(defaults->width(), 100);
    EXPECT_FALSE(menu->FindItem(kRecordMacro)->hasSubMenu);
}

// The window stays above other windows while a function menu hides.
class HideWatch : public QObject {
  public:
    explicit HideWatch(const CTESKDlg& window) : window_(window) {}
    std::vector<bool> topMostWhenHiding;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            topMostWhenHiding.push_back(window_.topMost());
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    const CTESKDlg& window_;
};

TEST_F(MouseSettingsTest, TheMenusHideNoticesReachTheWindow) {
    MakeWindowWithMousePage();
    CTavComboButton* function = mousePage().functionButton(6);
    HideWatch watch(*window);
    function->menu()->installEventFilter(&watch);
    function->tavMenu()->GetSubMenu(kDefaultCommandsMenuId)->installEventFilter(&watch);

    Choose(6, kBack);  // from the "Default Commands" sub-list: both windows hide
    EXPECT_EQ(watch.topMostWhenHiding, (std::vector<bool>{true, true}));
    EXPECT_FALSE(window->topMost());
    EXPECT_EQ(ShownOn(6).code, kBack);
}

}  // namespace
}  // namespace orvex::ui::testing
