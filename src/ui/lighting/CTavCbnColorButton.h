#pragma once

#include <cstdint>
#include <optional>

#include "ui/skin/ControlNotificationTarget.h"
#include "ui/skin/SkinnedPushButton.h"

namespace orvex::ui {

class CColorPanel;
class MenuIdAllocator;

// A zone colour swatch of the lighting page: a button of the skinned family (normal, hover and
// pressed images, no disabled one, no text, no hover notice) that owns a colour panel. A click
// opens the panel under the button, a second click hides it again. The colour picked in the
// panel becomes the button's colour and is passed to the parent as ControlNotification(own id,
// colour as 0x00BBGGRR); notifications that do not come from its own panel are ignored.
class CTavCbnColorButton : public SkinnedPushButton, public ControlNotificationTarget {
    Q_OBJECT

  public:
    // Red, until a colour is picked.
    static constexpr std::uint32_t kInitialColour = 0x000000FF;

    explicit CTavCbnColorButton(QWidget* parent = nullptr);

    // Where the panel's id comes from, set before the first SetImages; it must outlive the
    // button. Without one the panel gets MenuIdAllocator::kFirstMenuId.
    void SetPanelIdAllocator(MenuIdAllocator& panelIds) { panelIds_ = &panelIds; }

    // Replaces the button's images and the panel's picture; the first call makes the panel
    // (hidden).
    void SetImages(const QImage& normal, const QImage& hover, const QImage& pressed,
                   const QImage& panelImage);

    // The panel, or nullptr before the first SetImages.
    CColorPanel* panel() const { return panel_; }
    // The last colour picked, 0x00BBGGRR.
    std::uint32_t colour() const { return colour_; }

    // Picks from the button's own panel.
    void ControlNotification(int code, int value) override;

    // Where the panel opens for a button at `button` (screen coordinates): below it, flipped or
    // shifted to stay inside the screen's free area when one is known, as the menus are.
    static QPoint PanelTopLeft(const QRect& button, const QSize& panel,
                               const std::optional<QRect>& available);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A panel left open over a page that was switched away, or a window sent to the tray, would
    // float on its own.
    void hideEvent(QHideEvent* event) override;

  private:
    void TogglePanel();
    QSize PanelSize() const;

    CColorPanel* panel_ = nullptr;  // a Qt child of the button
    MenuIdAllocator* panelIds_ = nullptr;
    std::uint32_t colour_ = kInitialColour;
};

}  // namespace orvex::ui
