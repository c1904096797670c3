#pragma once

#include <QString>
#include <QTimer>
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/device/Clock.h"
#include "ui/layout/LayoutRect.h"
#include "ui/lighting/LightingAnimation.h"
#include "ui/pages/ProfilePage.h"
#include "ui/pages/TimersPausedWhileHidden.h"
#include "ui/services/WindowServices.h"
#include "ui/skin/MenuIdAllocator.h"

namespace orvex::ui {

class CTavButton;
class CTavCbnColorButton;
class CTavCheckBox;
class CTavEdit;
class CTavMouseStatic;

// The lighting page: which zones are lit ("ON", "OFF", or "Select" with the "Scroll Wheel" and
// "LogoType" boxes), one of four effects, steady colours or the colour cycle ("Color Shift"), and
// the colours of the two zones the user can colour: from the grid of twenty (both zones), from
// each zone's colour panel (that zone), or typed into the red, green and blue fields (both zones,
// while "ON"). A live preview of the mouse shows the result.
//
// The page owns the animation state its preview runs on. Its fields are checked every 100 ms:
// a text longer than three digits keeps its last three, a number above 255 becomes 255, and a
// colour the user typed is shown. Enter asks the window to write the page into the current
// record at once (WriteBackRequested).
class CColorSettingsDlg : public ProfilePage {
    Q_OBJECT

  public:
    static constexpr Milliseconds kFieldPollInterval{100};
    static constexpr std::size_t kGridColourCount = 20;

    CColorSettingsDlg(const WindowServices& services, QWidget* parent);
    ~CColorSettingsDlg() override;

    void LoadFromProfile(const ProfileRecord& record) override;
    void SaveToProfile(ProfileRecord& record) override;

    // Picks from the two zone colour buttons; the rest goes on to the dialog.
    void ControlNotification(int code, int value) override;
    void ControlClicked(int controlId) override;

    // One check of the colour fields; the page's timer runs it every 100 ms.
    void PollColourFields();
    QTimer& fieldPollTimer() { return fieldPoll_; }

    // The page's controls by identifier (layout/ColorSettingsLayout.h), or nullptr.
    QWidget* control(int controlId) const;
    CTavButton* button(int controlId) const;
    CTavCheckBox* checkBox(int controlId) const;
    CTavCbnColorButton* colourButton(int controlId) const;
    CTavEdit* colourField(std::size_t index) const { return fields_[index]; }
    CTavMouseStatic* preview() const { return preview_; }
    const LightingAnimation& animation() const { return animation_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    CTavButton* MakeStateButton(int controlId, const layout::LayoutRect& rect);
    CTavButton* MakeElementButton(int controlId, int element, const layout::LayoutRect& rect,
                                  bool withDisabledImage);
    CTavCheckBox* MakeZoneBox(int controlId, int element, const layout::LayoutRect& rect);
    CTavCheckBox* MakeFixedZoneBox(int controlId, int element, const layout::LayoutRect& rect);
    CTavCbnColorButton* MakeColourButton(int controlId, int element,
                                         const layout::LayoutRect& rect);
    CTavButton* MakePassiveSwatch(int controlId, int element, const layout::LayoutRect& rect);
    CTavEdit* MakeColourField(int controlId, int element, const layout::LayoutRect& rect);
    void WatchForEnter();

    void ChooseLightingState(int controlId);
    void ShowZoneEntries(bool show);
    void ChooseEffect(std::size_t index);
    // Switches the colour cycle on (keeping the colours shown now as the user's) or off (showing
    // the user's colours again).
    void SetColourShift(bool on);
    void ChooseGridColour(std::uint32_t argb);
    void ShowColourInFields(std::uint32_t argb);
    void TakePickedColour(std::size_t zone, std::uint32_t bgr);

    LightingAnimation animation_;
    MenuIdAllocator panelIds_;

    std::array<CTavButton*, 3> stateButtons_{};           // "ON", "OFF", "Select"
    std::array<CTavCheckBox*, 2> zoneBoxes_{};            // "Scroll Wheel", "LogoType"
    std::array<CTavCbnColorButton*, 2> colourButtons_{};  // "1", "4"
    std::array<CTavButton*, 4> effectButtons_{};
    CTavButton* colorShift_ = nullptr;
    CTavButton* solidColor_ = nullptr;
    std::array<CTavButton*, kGridColourCount> gridButtons_{};
    std::array<CTavEdit*, 3> fields_{};
    CTavMouseStatic* preview_ = nullptr;

    // The field texts the poll last took in. Texts the page writes itself count as taken in, so
    // the poll shows only what the user typed.
    std::array<QString, 3> lastAppliedTexts_;
    QTimer fieldPoll_;
    TimersPausedWhileHidden pausedWhileHidden_{*this, {&fieldPoll_}};
};

}  // namespace orvex::ui
