#include "ui/skin/SkinnedComboButton.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/device/SteadyClock.h"
#include "ui/skin/NotificationCodes.h"
#include "ui/skin/PopupMenu.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFonts.h"
#include "ui/skin/SkinPainting.h"

namespace orvex::ui {
namespace {

constexpr int kTextIndent = 9;
constexpr int kNewMenuHeight = 10;
constexpr int kEnsuredMenuHeight = 20;

const Clock& ProgramClock() {
    static const SteadyClock clock;
    return clock;
}

}  // namespace

SkinnedComboButton::SkinnedComboButton(QWidget* parent)
    : SkinnedPushButton(parent), font_(MakeSkinFont(kArialFace, 15)), clock_(&ProgramClock()) {
    menuWatch_.setInterval(kMenuWatchInterval);
    connect(&menuWatch_, &QTimer::timeout, this, &SkinnedComboButton::NoteMenuSeenOpen);
}

void SkinnedComboButton::SetImages(const QImage& normal, const QImage& hover,
                                   const QImage& pressed) {
    StoreImages(normal, hover, pressed, QImage());
}

int SkinnedComboButton::NewMenuId() {
    if (menuIds_ != nullptr) {
        return menuIds_->Next();
    }
    // A button makes its menu once, so a button on its own cannot repeat its own id.
    return MenuIdAllocator(*clock_).Next();
}

void SkinnedComboButton::MakeMenu(const QRect& rect) {
    menu_ = CreateMenu(NewMenuId(), rect);
}

void SkinnedComboButton::AddMenuItem(int code, const QString& text) {
    if (menu_ == nullptr) {
        MakeMenu(QRect(0, 0, width() - 2, kNewMenuHeight));
    }
    menu_->AddItem(code, text);
}

void SkinnedComboButton::AddSubMenuItem(int code, int parentCode, const QString& text) {
    if (menu_ != nullptr) {
        menu_->AddSubItem(code, parentCode, text);
    }
}

void SkinnedComboButton::RemoveSubMenuItems(int parentCode) {
    if (menu_ != nullptr) {
        menu_->GetSubMenu(parentCode)->RemoveAllItems();
    }
}

void SkinnedComboButton::EnsureMenu() {
    if (menu_ == nullptr) {
        MakeMenu(QRect(0, 0, StandardMenuWidth(), kNewMenuHeight));
    } else {
        menu_->resize(StandardMenuWidth(), kEnsuredMenuHeight);
    }
}

void SkinnedComboButton::SetSelection(const QString& text, int code, int parameter) {
    selectedCode_ = code;
    selectedParameter_ = parameter;
    SetText(text);
}

QString SkinnedComboButton::ItemText(int code) const {
    const MenuItem* item = menu_ != nullptr ? std::as_const(*menu_).FindItem(code) : nullptr;
    return item != nullptr ? item->text : QString();
}

void SkinnedComboButton::SetShowText(bool show) {
    showText_ = show;
    update();
}

void SkinnedComboButton::SetLabelFont(const QString& face, int height) {
    font_ = MakeSkinFont(face, height);
    update();
}

QColor SkinnedComboButton::TextColour() const {
    const bool highlighted = IsChecked() || state() == SkinState::Hover;
    return TextColourFromArgb(highlighted ? kHighlightedTextArgb : kNormalTextArgb);
}

void SkinnedComboButton::PaintLabel(QPainter& painter) {
    if (showText_) {
        DrawLabel(painter, Text(), TextColour(), false, true, rect().translated(kTextIndent, 0),
                  &font_);
    }
}

void SkinnedComboButton::mousePressEvent(QMouseEvent* event) {
    SkinnedPushButton::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    menuGuard_ =
        menuLastSeenOpen_.has_value() && clock_->Now() - *menuLastSeenOpen_ < kMenuGuardTime;
}

void SkinnedComboButton::mouseReleaseEvent(QMouseEvent* event) {
    // The pointer rules let go of the pointer when it leaves the button; a release off the
    // button belongs to whatever is under the pointer.
    const bool releasedOnButton = rect().contains(event->position().toPoint());
    SkinnedPushButton::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !releasedOnButton || menu_ == nullptr || menuGuard_) {
        return;
    }
    menuGuard_ = true;
    menuWatch_.start();
    OpenMenu();
}

void SkinnedComboButton::OpenMenu() {
    // Against the button: where the screen ends, the list opens on the button's other side.
    const QRect button(mapToGlobal(QPoint(0, 0)), size());
    if (openUpwards_) {
        menu_->Popup(PopupMenu::kPlacementBottomLeft, button.x(), button.y(), button);
    } else {
        menu_->Popup(PopupMenu::kPlacementTopLeft, button.x(), button.y() + button.height(),
                     button);
    }
}

void SkinnedComboButton::NoteMenuSeenOpen() {
    if (menu_ != nullptr && menu_->isVisible()) {
        menuLastSeenOpen_ = clock_->Now();
    }
}

void SkinnedComboButton::ControlNotification(int code, int value) {
    if (code == kMenuHidingCode) {
        NotifyParentWithCode(code, value);
        return;
    }
    const MenuItem* item = menu_ != nullptr ? menu_->FindItem(value) : nullptr;
    if (item == nullptr) {
        return;
    }
    // Copied: the parent's handler may refill the menu.
    const QString itemText = item->text;
    NotifyParent(value);
    if (acceptSelection_) {
        selectedCode_ = value;
        SetText(itemText);
    } else {
        acceptSelection_ = true;
    }
}

}  // namespace orvex::ui
