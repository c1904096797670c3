#include "ui/skin/PopupMenu.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QWindow>
#include <cstdint>

#include "ui/skin/MenuPressWatch.h"
#include "ui/skin/NotificationCodes.h"
#include "ui/skin/PopupWindow.h"
#include "ui/skin/ScreenPlacement.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFonts.h"
#include "ui/skin/SkinPainting.h"

namespace orvex::ui {
namespace {

constexpr std::uint32_t kNormalArgb = 0xFFAAAAAA;  // entry texts and sub-menu arrows
constexpr std::uint32_t kHoverArgb = 0xFF254D9D;   // the highlighted entry's text
constexpr std::uint32_t kBackgroundArgb = 0xFF000000;
constexpr std::uint32_t kBorderArgb = 0xFF254D9D;

constexpr int kTextIndent = 10;
constexpr int kSubMenuOverlap = 5;
constexpr QRect kSubMenuRect(0, 0, 50, 10);
constexpr int kInsertMouseEventItem = 3;

}  // namespace

PopupMenu::PopupMenu(QWidget* owner, int id, const QRect& rect, PopupMenu* parentMenu,
                     MenuPressWatch& watch)
    : QWidget(parentMenu != nullptr ? static_cast<QWidget*>(parentMenu) : owner, kPopupWindowFlags),
      id_(id),
      font_(MakeSkinFont(kArialFace, 15)),
      owner_(owner),
      parentMenu_(parentMenu),
      watch_(&watch) {
    SetUpPopupWindow(*this, QStringLiteral("menu"));
    setMouseTracking(true);
    setGeometry(rect);
}

PopupMenu::~PopupMenu() {
    if (watch_->target() == this) {
        watch_->Remove();
    }
}

void PopupMenu::AddItem(int id, const QString& text) {
    for (const auto& existing : items_) {
        if (existing->id == id) {
            return;
        }
    }
    auto item = std::make_unique<MenuItem>();
    item->id = id;
    item->text = text;
    items_.push_back(std::move(item));
    update();
}

PopupMenu* PopupMenu::ExistingSubMenu(int id) const {
    for (PopupMenu* subMenu : subMenus_) {
        if (subMenu->menuId() == id) {
            return subMenu;
        }
    }
    return nullptr;
}

PopupMenu* PopupMenu::GetSubMenu(int id) {
    if (PopupMenu* existing = ExistingSubMenu(id)) {
        return existing;
    }
    PopupMenu* subMenu = CreateSubMenu(id, kSubMenuRect);
    subMenus_.push_back(subMenu);
    return subMenu;
}

void PopupMenu::AddSubItem(int id, int parentItemId, const QString& text) {
    for (const auto& parentItem : items_) {
        if (parentItem->id == parentItemId) {
            parentItem->hasSubMenu = true;
            GetSubMenu(parentItemId)->AddItem(id, text);
            update();
            return;
        }
    }
}

void PopupMenu::AddSubSubItem(int id, int parentItemId, const QString& text) {
    GetSubMenu(kInsertMouseEventItem)->AddSubItem(id, parentItemId, text);
}

MenuItem* PopupMenu::FindItem(int id) {
    return const_cast<MenuItem*>(std::as_const(*this).FindItem(id));
}

const MenuItem* PopupMenu::FindItem(int id) const {
    for (const auto& item : items_) {
        if (item->id == id) {
            return item.get();
        }
    }
    for (const PopupMenu* subMenu : subMenus_) {
        if (const MenuItem* found = subMenu->FindItem(id)) {
            return found;
        }
    }
    return nullptr;
}

void PopupMenu::RemoveAllItems() {
    items_.clear();
    hovered_ = -1;
    pressed_ = -1;
    if (isVisible()) {
        Layout();
    }
    update();
}

void PopupMenu::Layout() {
    if (items_.empty()) {
        hide();
        return;
    }
    const int lineHeight = QFontMetrics(font_).height();
    resize(width(), itemCount() * lineHeight + 8);
    const int itemWidth = width() - ItemRightInset() - 1;
    for (int index = 0; index < itemCount(); ++index) {
        items_[static_cast<std::size_t>(index)]->rect =
            QRect(1, 4 + index * lineHeight, itemWidth, lineHeight);
    }
}

int PopupMenu::ItemIndexAt(const QPoint& point) const {
    for (int index = 0; index < itemCount(); ++index) {
        if (item(index).rect.contains(point)) {
            return index;
        }
    }
    return -1;
}

int PopupMenu::HitTest(const QPoint& point) {
    const int index = ItemIndexAt(point);
    if (index != hovered_) {
        hovered_ = index;
        update();
    }
    return index >= 0 ? item(index).id : -1;
}

void PopupMenu::Popup(int placement, int x, int y, const std::optional<QRect>& anchor) {
    Layout();
    if (items_.empty()) {
        return;
    }
    hovered_ = -1;
    if (SupportsPlacement(placement)) {
        QPoint topLeft;
        switch (placement) {
            case kPlacementBottomLeft:
                topLeft = QPoint(x, y - height());
                break;
            case kPlacementBottomRight:
                topLeft = QPoint(x - width(), y - height());
                break;
            default:
                topLeft = QPoint(x, y);
                break;
        }
        const QRect openedAgainst = anchor.value_or(QRect(x, y, 0, 0));
        const QPoint middle =
            openedAgainst.topLeft() + QPoint(openedAgainst.width() / 2, openedAgainst.height() / 2);
        QRect frame(topLeft, size());
        if (const auto area = AvailableScreenAreaAt(middle)) {
            frame = PlaceOnScreen(frame, *area, openedAgainst);
        }
        move(frame.topLeft());
    }
    Layout();
    show();
    update();
    if (holdsPointer_) {
        grabMouse();
    }
    watch_->Install(this);
}

void PopupMenu::Close() {
    if (!isVisible()) {
        return;
    }
    NotifyOwner(kMenuHidingCode, kMenuHidingBefore);
    hide();
    if (parentMenu_ != nullptr) {
        parentMenu_->Close();
    }
    CloseSubMenus();
    NotifyOwner(kMenuHidingCode, kMenuHidingAfter);
    // Another chain of the family may have taken the watch over in the meantime.
    if (parentMenu_ == nullptr && (watch_->target() == nullptr || watch_->target() == this)) {
        watch_->Remove();
    }
}

void PopupMenu::CloseSubMenus() {
    // By index: the owner's handler runs in between and may add sub-menus.
    for (std::size_t index = 0; index < subMenus_.size(); ++index) {
        PopupMenu* subMenu = subMenus_[index];
        if (!subMenu->isVisible()) {
            continue;
        }
        NotifyOwner(kMenuHidingCode, kMenuHidingBefore);
        subMenu->CloseSubMenus();
        subMenu->hide();
        NotifyOwner(kMenuHidingCode, kMenuHidingAfter);
    }
    watch_->SetTarget(this);
}

bool PopupMenu::ChainHoldsWindow(const QWindow* window) const {
    for (const PopupMenu* menu = this; menu != nullptr; menu = menu->parentMenu_) {
        if (window != nullptr && menu->windowHandle() == window) {
            return true;
        }
    }
    return false;
}

void PopupMenu::ControlNotification(int code, int value) {
    NotifyOwner(code, value);
    Close();
}

void PopupMenu::NotifyOwner(int code, int value) {
    SendControlNotification(owner_.data(), code, value);
}

void PopupMenu::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), TextColourFromArgb(kBackgroundArgb));
    painter.setPen(TextColourFromArgb(kBorderArgb));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QColor normal = TextColourFromArgb(kNormalArgb);
    for (int index = 0; index < itemCount(); ++index) {
        const MenuItem& entry = item(index);
        const QRect textRect = entry.rect.translated(kTextIndent, 0);
        if (entry.hasSubMenu && ShowsSubMenuOf(entry)) {
            const int right = textRect.left() + textRect.width();
            const int bottom = textRect.top() + textRect.height();
            const QPolygon arrow({QPoint(right - 10, textRect.top() + 5),
                                  QPoint(right - 10, bottom - 5),
                                  QPoint(right - 5, (textRect.top() + bottom) / 2)});
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(normal);
            painter.setBrush(normal);
            painter.drawPolygon(arrow);
            painter.restore();
        }
        const QColor colour = index == hovered_ ? TextColourFromArgb(kHoverArgb) : normal;
        DrawLabel(painter, entry.text, colour, false, true, textRect, &font_);
    }
}

void PopupMenu::mouseMoveEvent(QMouseEvent* event) {
    const int index = ItemIndexAt(event->position().toPoint());
    if (index >= 0) {
        HoverItem(index);
    }
}

void PopupMenu::HoverItem(int index) {
    // Copied out: the owner's handlers run while sub-menus close and may change the entries.
    const MenuItem entry = item(index);
    if (entry.enabled && entry.hasSubMenu) {
        if (index != hovered_) {
            CloseSubMenus();
            if (ShowsSubMenuOf(entry)) {
                // Against this menu's width and the entry's row: where the screen ends, the
                // sub-menu opens to the left of this menu, or upwards from the entry.
                const QRect frame = geometry();
                const QRect row(frame.x(), frame.y() + entry.rect.top(), frame.width(),
                                entry.rect.height());
                GetSubMenu(entry.id)->Popup(kPlacementTopLeft,
                                            frame.x() + frame.width() - kSubMenuOverlap,
                                            frame.y() + entry.rect.top() - kSubMenuOverlap, row);
            }
        }
    } else {
        CloseSubMenus();
    }
    if (index != hovered_ && index < itemCount()) {
        hovered_ = index;
        update();
    }
}

void PopupMenu::hideEvent(QHideEvent* event) {
    if (holdsPointer_ && QWidget::mouseGrabber() == this) {
        releaseMouse();
    }
    QWidget::hideEvent(event);
}

void PopupMenu::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    pressed_ = HitTest(event->position().toPoint());
    if (pressed_ < 0) {
        Close();
    }
    buttonDown_ = true;
    update();
}

void PopupMenu::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    buttonDown_ = false;
    pressed_ = HitTest(event->position().toPoint());
    if (pressed_ < 0) {
        return;
    }
    const MenuItem* chosen = FindItem(pressed_);
    if (chosen == nullptr) {
        return;
    }
    const bool opensSubMenu = chosen->hasSubMenu;
    if (chosen->enabled && owner_ != nullptr) {
        if (opensSubMenu) {
            return;
        }
        // The owner sees the choice with the menu still on screen; it may even delete the menu.
        const QPointer<PopupMenu> self(this);
        NotifyOwner(id_, pressed_);
        if (self == nullptr) {
            return;
        }
    }
    if (!opensSubMenu) {
        Close();
    }
}

}  // namespace orvex::ui
