#include "ui/skin/CTavMenu.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "ui/skin/CQELMenu.h"
#include "ui/skin/MenuPressWatch.h"
#include "ui/skin/RecordingParent.h"
#include "ui/skin/SkinFonts.h"

namespace orvex::ui {
namespace {

using testing::RecordingParent;

int LineHeight() {
    return QFontMetrics(MakeSkinFont(kArialFace, 15)).height();
}

TEST(CTavMenuTest, EntriesKeepTheirFirstTextAndAreFoundThroughEveryLevel) {
    CTavMenu menu(nullptr, 500, QRect(0, 0, 170, 20));
    menu.AddItem(1, QStringLiteral("Start record before event"));
    menu.AddItem(1, QStringLiteral("again"));
    menu.AddItem(3, QStringLiteral("Insert mouse event"));
    menu.AddSubItem(7, 3, QStringLiteral("Left button"));
    menu.AddSubSubItem(10, 7, QStringLiteral("Click"));
    // An entry under an id the menu does not have goes nowhere.
    menu.AddSubItem(40, 99, QStringLiteral("lost"));

    ASSERT_EQ(menu.itemCount(), 2);
    EXPECT_EQ(menu.item(0).text, QStringLiteral("Start record before event"));
    EXPECT_FALSE(menu.item(0).hasSubMenu);
    EXPECT_TRUE(menu.item(1).hasSubMenu);

    CTavMenu* second = menu.GetSubMenu(3);
    EXPECT_EQ(second->menuId(), 3);
    EXPECT_EQ(second->parentMenu(), &menu);
    EXPECT_EQ(second->width(), 50);
    EXPECT_TRUE(second->item(0).hasSubMenu);
    EXPECT_EQ(second->GetSubMenu(7)->item(0).text, QStringLiteral("Click"));

    ASSERT_NE(menu.FindItem(10), nullptr);
    EXPECT_EQ(menu.FindItem(10)->text, QStringLiteral("Click"));
    EXPECT_EQ(menu.FindItem(40), nullptr);
    EXPECT_EQ(second->FindItem(1), nullptr) << "the search goes down, never up";
}

TEST(CTavMenuTest, LayoutStacksEntriesByTheTextHeightAndHitTestingExcludesRightAndBottom) {
    CTavMenu tav(nullptr, 1, QRect(0, 0, 100, 10));
    CQELMenu qel(nullptr, 2, QRect(0, 0, 100, 10));
    const int h = LineHeight();
    for (PopupMenu* menu : {static_cast<PopupMenu*>(&tav), static_cast<PopupMenu*>(&qel)}) {
        menu->AddItem(4, QStringLiteral("four"));
        menu->AddItem(5, QStringLiteral("five"));
        menu->Layout();
        EXPECT_EQ(menu->size(), QSize(100, 2 * h + 8));
    }
    EXPECT_EQ(tav.item(1).rect, QRect(QPoint(1, 4 + h), QPoint(84, 4 + 2 * h - 1)));
    EXPECT_EQ(qel.item(1).rect, QRect(QPoint(1, 4 + h), QPoint(99, 4 + 2 * h - 1)));

    EXPECT_EQ(tav.HitTest(QPoint(1, 4)), 4);
    EXPECT_EQ(tav.hoveredIndex(), 0);
    EXPECT_EQ(tav.HitTest(QPoint(1, 4 + h)), 5) << "an entry's bottom edge is the next one's top";
    EXPECT_EQ(tav.HitTest(QPoint(85, 10)), -1) << "right edge is outside";
    EXPECT_EQ(tav.hoveredIndex(), -1);
    EXPECT_EQ(tav.HitTest(QPoint(10, 4 + 2 * h)), -1) << "bottom edge is outside";
    EXPECT_EQ(qel.HitTest(QPoint(98, 10)), 4);
}

TEST(CTavMenuTest, PlacementPutsTheNamedCornerOnThePointAfterLayout) {
    struct Case {
        bool qel;
        int placement;
        QPoint expectedTopLeft;  // of a menu 120 wide and three entries high, given (300, 200)
    };
    const int height = 3 * LineHeight() + 8;
    const Case cases[] = {
        {false, 0, {300, 200}}, {false, 2, {300, 200 - height}}, {false, 3, {180, 200 - height}},
        {false, 1, {20, 30}},   {true, 0, {300, 200}},           {true, 2, {300, 200 - height}},
        {true, 3, {20, 30}},
    };
    for (const Case& c : cases) {
        RecordingParent owner;
        std::unique_ptr<PopupMenu> menu;
        if (c.qel) {
            menu = std::make_unique<CQELMenu>(&owner, 9, QRect(20, 30, 120, 10));
        } else {
            menu = std::make_unique<CTavMenu>(&owner, 9, QRect(20, 30, 120, 10));
        }
        for (int id = 1; id <= 3; ++id) {
            menu->AddItem(id, QStringLiteral("entry %1").arg(id));
        }
        menu->Popup(c.placement, 300, 200);
        EXPECT_TRUE(menu->isVisible());
        EXPECT_EQ(menu->geometry(), QRect(c.expectedTopLeft, QSize(120, height)))
            << (c.qel ? "CQELMenu" : "CTavMenu") << " placement " << c.placement;
        menu->Close();
    }
}

TEST(CTavMenuTest, MenusStayOnTheScreenBySwitchingSidesOrShifting) {
    RecordingParent owner;
    CTavMenu menu(&owner, 9, QRect(0, 0, 100, 10));
    menu.AddItem(1, QStringLiteral("one"));
    menu.AddItem(3, QStringLiteral("Insert mouse event"));
    menu.AddSubItem(7, 3, QStringLiteral("Left button"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();

    // Opened at the pointer near the top left corner: below and right of it, not off screen.
    const QPoint corner = screen.topLeft() + QPoint(10, 5);
    menu.Popup(PopupMenu::kPlacementBottomRight, corner.x(), corner.y());
    EXPECT_EQ(menu.pos(), corner);

    // At the right edge a sub-menu opens on the left, overlapping its parent as much.
    menu.Close();
    const int right = screen.x() + screen.width();
    menu.Popup(PopupMenu::kPlacementTopLeft, right - 100, screen.y() + 50);
    QTest::mouseMove(&menu, menu.item(1).rect.center());
    CTavMenu* sub = menu.GetSubMenu(3);
    ASSERT_TRUE(sub->isVisible());
    EXPECT_EQ(sub->x() + sub->width(), menu.x() + 5);
    EXPECT_EQ(sub->y(), menu.y() + menu.item(1).rect.top() - 5);
    menu.Close();
}

TEST(CTavMenuTest, AMenuWithoutEntriesDoesNotShow) {
    RecordingParent owner;
    CTavMenu menu(&owner, 9, QRect(0, 0, 120, 10));
    menu.Popup(0, 100, 100);
    EXPECT_FALSE(menu.isVisible());
    EXPECT_FALSE(CTavMenu::FamilyPressWatch().isInstalled());

    menu.AddItem(1, QStringLiteral("one"));
    menu.Popup(0, 100, 100);
    EXPECT_TRUE(menu.isVisible());
    menu.RemoveAllItems();
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(menu.itemCount(), 0);
}

TEST(CTavMenuTest, PaintsAFramedBlackPanelWithGreyTextsTheHighlightAndArrows) {
    CTavMenu menu(nullptr, 9, QRect(0, 0, 170, 10));
    menu.AddItem(1, QStringLiteral("Start record after event"));
    menu.AddItem(3, QStringLiteral("Insert mouse event"));
    menu.AddItem(6, QStringLiteral("Delete"));
    menu.AddSubItem(7, 3, QStringLiteral("Left button"));
    menu.Layout();
    menu.HitTest(menu.item(2).rect.center());

    const QImage shot = menu.grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(0x25, 0x4D, 0x9D));
    EXPECT_EQ(shot.pixelColor(169, shot.height() - 1), QColor(0x25, 0x4D, 0x9D));
    EXPECT_EQ(shot.pixelColor(85, 2), QColor(Qt::black));
    // The arrow of entry 3 sits 5 to 10 pixels left of its text rectangle's right edge.
    const QRect arrowRow = menu.item(1).rect;
    EXPECT_EQ(shot.pixelColor(157, arrowRow.center().y()), QColor(0xAA, 0xAA, 0xAA));

    auto rowHas = [&](const QRect& row, QColor colour) {
        for (int y = row.top(); y <= row.bottom(); ++y) {
            for (int x = row.left(); x <= row.right(); ++x) {
                if (shot.pixelColor(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    };
    const QColor hoverBlue(0x25, 0x4D, 0x9D);
    const QColor grey(0xAA, 0xAA, 0xAA);
    EXPECT_TRUE(rowHas(menu.item(2).rect.adjusted(0, 1, 0, -1), hoverBlue));
    EXPECT_FALSE(rowHas(menu.item(2).rect.adjusted(0, 1, 0, -1), grey));
    EXPECT_TRUE(rowHas(menu.item(0).rect, grey));
    EXPECT_FALSE(rowHas(menu.item(0).rect, hoverBlue));
    // Entry 1 has no sub-menu: nothing drawn where an arrow would be.
    EXPECT_EQ(shot.pixelColor(157, menu.item(0).rect.center().y()), QColor(Qt::black));
}

}  // namespace
}  // namespace orvex::ui
