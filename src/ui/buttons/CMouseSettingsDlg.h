#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "ui/layout/MouseSettingsLayout.h"
#include "ui/pages/ProfilePage.h"
#include "ui/services/WindowServices.h"
#include "ui/skin/MenuIdAllocator.h"

namespace orvex {
class MacroList;
}

namespace orvex::ui {

class CTavButton;
class CTavCheckBox;
class CTavComboButton;
class CTavSliderCtrl;

// The "Mouse Settings" page: what each of the nine buttons does, the report rate, the double-click
// speed, the wheel's scroll lines and the pointer acceleration of the current profile. The page
// keeps the user's edits in its controls until the window asks for them (SaveToProfile); it
// changes no desktop setting itself.
//
// Each function button drops down the same menu. A choice reaches the page before the button
// takes it, and the page decides in this order: the last button holding Left Click keeps it (the
// left-click warning is shown); "Single key assign..." opens the key capture, which gives the
// button the key; a macro entry binds the macro; any other entry is taken as it is, the button
// keeping its parameter (a key code stays beside "Scroll up", for instance).
class CMouseSettingsDlg : public ProfilePage {
    Q_OBJECT

  public:
    static constexpr std::size_t kFunctionButtonCount = layout::mousesettings::kFunctionIds.size();
    static constexpr std::size_t kReportRateCount = layout::mousesettings::kReportRates.size();
    // Milliseconds between reports for the boxes "125", "250", "500" and "1000".
    static constexpr std::array<std::int16_t, kReportRateCount> kReportIntervals{8, 4, 2, 1};
    // The boxes have no ids of their own; the page numbers them to tell their clicks apart.
    static constexpr std::array<int, kReportRateCount> kReportRateIds{1101, 1102, 1103, 1104};

    struct SliderRange {
        int minimum;
        int maximum;
        int step;
        int initial;
    };
    static constexpr SliderRange kDoubleClickRange{200, 1400, 200, 800};
    static constexpr SliderRange kScrollSpeedRange{1, 6, 1, 1};
    static constexpr SliderRange kAccelerationRange{1, 3, 1, 2};

    // `macros` is the program's macro list (the macro page's); it must outlive the page.
    CMouseSettingsDlg(const WindowServices& services, const MacroList& macros, QWidget* parent);

    void LoadFromProfile(const ProfileRecord& record) override;
    void SaveToProfile(ProfileRecord& record) override;
    // Lists the macro list's macros, in list order, under "Assign record macro" of every menu.
    void RebuildMacroLists() override;

    void ControlNotification(int code, int value) override;
    void ControlClicked(int controlId) override;

    CTavComboButton* functionButton(std::size_t button) const { return functions_[button]; }
    CTavButton* badge(std::size_t button) const { return badges_[button]; }
    CTavCheckBox* reportRateBox(std::size_t index) const { return reportRates_[index]; }
    CTavSliderCtrl* doubleClickSlider() const { return doubleClick_; }
    CTavSliderCtrl* scrollSpeedSlider() const { return scrollSpeed_; }
    CTavSliderCtrl* accelerationSlider() const { return acceleration_; }
    CTavCheckBox* accelerationEnableBox() const { return accelerationEnable_; }

  private:
    void BuildFunctionButtons();
    void BuildPointerControls();
    CTavSliderCtrl* MakeSlider(int id, const layout::LayoutRect& rect, const SliderRange& range);

    std::optional<std::size_t> FunctionButtonIndex(int controlId) const;
    std::array<std::uint8_t, kFunctionButtonCount> SelectedCodes() const;
    void OnFunctionChosen(std::size_t button, int entryId);
    void ShowBinding(const ProfileRecord& record, std::size_t button);

    void CheckReportRate(std::optional<std::size_t> index);
    std::optional<std::int16_t> CheckedReportInterval() const;
    // The acceleration slider follows "Enable": free when checked, inert when not.
    void FollowAccelerationEnable();

    Log& log_;
    PopupRunner& popups_;
    const MacroList& macros_;
    const Clock& clock_;
    MenuIdAllocator menuIds_;
    std::array<CTavComboButton*, kFunctionButtonCount> functions_{};
    std::array<CTavButton*, kFunctionButtonCount> badges_{};
    std::array<CTavCheckBox*, kReportRateCount> reportRates_{};
    CTavSliderCtrl* doubleClick_ = nullptr;
    CTavSliderCtrl* scrollSpeed_ = nullptr;
    CTavSliderCtrl* acceleration_ = nullptr;
    CTavCheckBox* accelerationEnable_ = nullptr;
};

}  // namespace orvex::ui
