#pragma once

#include <QFont>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <optional>

#include "core/device/Clock.h"
#include "ui/skin/ControlNotificationTarget.h"
#include "ui/skin/MenuIdAllocator.h"
#include "ui/skin/SkinnedPushButton.h"

namespace orvex::ui {

class PopupMenu;

// What the two drop-down buttons share: a click opens the button's pop-up menu below it (or above
// it), and the entry the user chooses becomes the button's text and selected code.
//
// The parent hears (id, item code) for a choice, before the button takes the entry, and can veto
// that one selection by clearing the accept-selection flag while it handles the notification (it
// may give the button something else with SetSelection instead). The menu's hide notices,
// (kMenuHidingCode, 1 or 0), are passed on to the parent as they come.
//
// A press on the button while its menu is open closes the menu (the menu sees the press outside
// it first) and must not open it again on the release: while the menu is shown, a timer notes
// every 100 ms that it was seen open, and a press within 200 ms of that sets the menu guard,
// which keeps the release from opening the menu.
class SkinnedComboButton : public SkinnedPushButton, public ControlNotificationTarget {
    Q_OBJECT

  public:
    static constexpr std::uint32_t kNormalTextArgb = 0xFFFFFFFF;
    static constexpr std::uint32_t kHighlightedTextArgb = 0xFF4D82C3;
    static constexpr Milliseconds kMenuWatchInterval{100};
    static constexpr Milliseconds kMenuGuardTime{200};

    // Replaces the normal, hover and pressed images; the button has no disabled image.
    void SetImages(const QImage& normal, const QImage& hover, const QImage& pressed);

    // Appends an entry to the menu, making the menu first if there is none (as wide as the
    // button less 2 pixels).
    void AddMenuItem(int code, const QString& text);
    // Puts an entry under the menu's entry `parentCode`, which then opens a sub-list.
    void AddSubMenuItem(int code, int parentCode, const QString& text);
    // Empties the sub-list under `parentCode` (to refill it).
    void RemoveSubMenuItems(int parentCode);
    // Makes the menu at the family's standard width if there is none, else gives it that width.
    void EnsureMenu();
    // The menu, or nullptr before the first entry.
    PopupMenu* menu() const { return menu_; }

    // Shows a selection without telling the parent.
    void SetSelection(const QString& text, int code, int parameter);
    // The text of the menu's entry with that code, or an empty text.
    QString ItemText(int code) const;

    int selectedCode() const { return selectedCode_; }
    int selectedParameter() const { return selectedParameter_; }

    void SetAcceptSelection(bool accept) { acceptSelection_ = accept; }
    bool acceptSelection() const { return acceptSelection_; }
    void SetShowText(bool show);
    void SetOpenUpwards(bool upwards) { openUpwards_ = upwards; }

    // Switches the text to the skin's typeface (or another) at that height.
    void SetLabelFont(const QString& face, int height);
    const QFont& labelFont() const { return font_; }
    // Highlighted when checked or hovered.
    QColor TextColour() const;

    bool menuGuard() const { return menuGuard_; }
    std::optional<Milliseconds> menuLastSeenOpen() const { return menuLastSeenOpen_; }
    // The clock for the menu guard; it must outlive the button.
    void SetClock(const Clock& clock) { clock_ = &clock; }
    // Where the menu's id comes from; it must outlive the button. Without one the id is the
    // allocator's rule applied to the guard's clock.
    void SetMenuIdAllocator(MenuIdAllocator& menuIds) { menuIds_ = &menuIds; }

    // Choices and hide notices from the button's menu.
    void ControlNotification(int code, int value) override;

  protected:
    explicit SkinnedComboButton(QWidget* parent);

    virtual PopupMenu* CreateMenu(int id, const QRect& rect) = 0;
    virtual int StandardMenuWidth() const = 0;

    void PaintLabel(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void MakeMenu(const QRect& rect);
    void OpenMenu();
    void NoteMenuSeenOpen();
    int NewMenuId();

    PopupMenu* menu_ = nullptr;  // a Qt child of the button
    int selectedCode_ = -1;
    int selectedParameter_ = -1;
    QFont font_;
    bool showText_ = true;
    bool acceptSelection_ = true;
    bool openUpwards_ = false;
    bool menuGuard_ = false;
    std::optional<Milliseconds> menuLastSeenOpen_;
    QTimer menuWatch_;
    const Clock* clock_;
    MenuIdAllocator* menuIds_ = nullptr;
};

}  // namespace orvex::ui
