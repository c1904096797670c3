#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "ui/skin/ControlNotificationTarget.h"
#include "ui/skin/MenuItem.h"

class QWindow;

namespace orvex::ui {

class MenuPressWatch;

// What the two pop-up menu families share: a black panel with a blue frame and grey entries, any
// of which can open a sub-menu of the same kind. A menu is a top-level window that never takes
// activation from the window behind it; it starts hidden.
//
// The owner (the control or dialog that made the menu) is told of a choice as
// ControlNotification(menu id, item id) while the menu is still on screen, and of every menu
// window of the chain hiding as (kMenuHidingCode, kMenuHidingBefore) just before and
// (kMenuHidingCode, kMenuHidingAfter) just after. A sub-menu's id is the id of the entry that
// opens it, so the owner can tell which level a choice came from.
class PopupMenu : public QWidget, public ControlNotificationTarget {
    Q_OBJECT

  public:
    // Which corner of the menu lands on the point given to Popup.
    static constexpr int kPlacementTopLeft = 0;
    static constexpr int kPlacementBottomLeft = 2;
    static constexpr int kPlacementBottomRight = 3;

    ~PopupMenu() override;

    int menuId() const { return id_; }
    QWidget* owner() const { return owner_; }
    PopupMenu* parentMenu() const { return parentMenu_; }

    // Appends an enabled entry; an id the menu already has leaves it unchanged.
    void AddItem(int id, const QString& text);
    // The sub-menu opened by the entry `id`, made on first request (50 pixels wide).
    PopupMenu* GetSubMenu(int id);
    // Puts an entry into the sub-menu of this menu's entry `parentItemId`, which from then on
    // opens that sub-menu.
    void AddSubItem(int id, int parentItemId, const QString& text);
    // Two levels down: into the sub-menu of entry `parentItemId` of the sub-menu of entry 3.
    void AddSubSubItem(int id, int parentItemId, const QString& text);
    // The first entry with that id here, else in the sub-menus in the order they were made.
    MenuItem* FindItem(int id);
    const MenuItem* FindItem(int id) const;
    // Empties the menu (a sub-list that is refilled); the entry that opens it keeps opening it.
    void RemoveAllItems();

    int itemCount() const { return static_cast<int>(items_.size()); }
    const MenuItem& item(int index) const { return *items_[static_cast<std::size_t>(index)]; }
    int hoveredIndex() const { return hovered_; }
    // The font the entries are drawn in, for owners that size the menu to its texts.
    const QFont& itemFont() const { return font_; }
    int pressedId() const { return pressed_; }
    bool buttonDown() const { return buttonDown_; }

    // Sizes the window to its entries (a menu without entries hides) and places the entries.
    void Layout();
    // The id of the entry at `point` (menu pixels), or -1; the entry, if any, becomes the
    // highlighted one and no entry is highlighted otherwise.
    int HitTest(const QPoint& point);

    // Shows the menu with the given corner at (x, y) in screen pixels and starts watching for
    // presses outside the chain. A placement the family does not know shows it where it was. A
    // menu without entries stays hidden. Where it would cross an edge of the screen it is flipped
    // to the other side of `anchor` (the rectangle it was opened against; by default the point
    // itself) or shifted back onto the screen (PlaceOnScreen).
    void Popup(int placement, int x, int y, const std::optional<QRect>& anchor = std::nullopt);

    // Whether the menu, while shown, holds the pointer, so that a press anywhere on the screen
    // reaches it and one outside closes it even while the program is not the active one (the
    // tray menu, opened from the desktop's panel). Where the window system lets no program hold
    // the pointer, presses in the program's own windows still close it.
    void SetHoldsPointer(bool holds) { holdsPointer_ = holds; }
    bool holdsPointer() const { return holdsPointer_; }
    // Hides this menu and with it the whole chain, parents and sub-menus, telling the owner of
    // each window that hides. Nothing happens when the menu is not shown.
    void Close();
    // Hides the shown sub-menus below this menu, telling the owner of each.
    void CloseSubMenus();

    // Whether the window is this menu's or one of its parent menus'.
    bool ChainHoldsWindow(const QWindow* window) const;

    // Whatever a control reports to a menu goes on to its owner; the chain then closes.
    void ControlNotification(int code, int value) override;

  protected:
    // `watch` is the family's outside-press watch; it outlives every menu of the family.
    PopupMenu(QWidget* owner, int id, const QRect& rect, PopupMenu* parentMenu,
              MenuPressWatch& watch);

    virtual PopupMenu* CreateSubMenu(int id, const QRect& rect) = 0;
    virtual bool SupportsPlacement(int placement) const = 0;
    // Room kept free at the right of every entry, for the sub-menu arrow.
    virtual int ItemRightInset() const = 0;
    // Whether hovering the entry (which has the sub-menu flag) shows its sub-menu and its arrow.
    virtual bool ShowsSubMenuOf(const MenuItem& item) const = 0;

    PopupMenu* ExistingSubMenu(int id) const;

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    int ItemIndexAt(const QPoint& point) const;
    void HoverItem(int index);
    void NotifyOwner(int code, int value);

    int id_;
    int hovered_ = -1;
    int pressed_ = -1;
    bool buttonDown_ = false;
    bool holdsPointer_ = false;
    QFont font_;
    QPointer<QWidget> owner_;
    PopupMenu* parentMenu_;
    MenuPressWatch* watch_;
    std::vector<std::unique_ptr<MenuItem>> items_;
    // Qt children of this menu, deleted with it.
    std::vector<PopupMenu*> subMenus_;
};

}  // namespace orvex::ui
