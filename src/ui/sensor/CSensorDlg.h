#pragma once

#include <QString>
#include <QTimer>
#include <array>
#include <chrono>

#include "ui/layout/SensorLayout.h"
#include "ui/pages/ProfilePage.h"
#include "ui/pages/TimersPausedWhileHidden.h"
#include "ui/services/WindowServices.h"

namespace orvex::ui {

class CQELComboButton;
class CQELNUMEdit;
class CTavButton;
class CTavCheckBox;
class CTavProgressCtrl;
class CTavSliderCtrl;
class CTavSliderCtrl3D;
class CTavStatic;

// The sensor page: three resolution steps with X and Y values, tied or separate; defined mode
// with its signed number; angle snap; pointer speed; the lift-off distance, which "Test" and
// "Save" send to the mouse at once; and the surface analysis, whose level the "Quality Analyzer"
// bar and the "Surface" picture show. Everything but the lift-off buttons and the analysis
// reaches the mouse only when the window applies the profile.
//
// Two timers run while the page is on screen: one keeps the number field's text a
// number within ±30 (NumberFieldTick), one writes the resolutions into the step labels
// (StepLabelTick). Tests stop them and call the ticks themselves.
class CSensorDlg : public ProfilePage {
    Q_OBJECT

  public:
    static constexpr int kSeparateId = layout::sensor::kSeparateId;
    static constexpr int kXAxisId = layout::sensor::kXAxisId;
    static constexpr int kYAxisId = layout::sensor::kYAxisId;
    static constexpr int kDefinedModeId = layout::sensor::kDefinedModeId;
    static constexpr int kDefinedValueId = layout::sensor::kDefinedValueId;
    static constexpr int kAngleSnapId = layout::sensor::kAngleSnapId;
    static constexpr int kPointSpeedId = layout::sensor::kPointSpeedId;
    static constexpr int kLiftDistanceId = layout::sensor::kLiftDistanceId;
    static constexpr int kTestId = layout::sensor::kTestId;
    static constexpr int kSaveId = layout::sensor::kSaveId;
    static constexpr int kAnalyzeSurfaceId = layout::sensor::kAnalyzeSurfaceId;
    static constexpr int kQualityAnalyzerId = layout::sensor::kQualityAnalyzerId;
    static constexpr int kSurfaceId = layout::sensor::kSurfaceId;

    static constexpr int kStepCount = 3;
    static constexpr int kResolutionMinimum = 50;
    static constexpr int kResolutionMaximum = 7000;
    static constexpr int kResolutionStep = 50;
    static constexpr std::array<int, kStepCount> kDefaultResolutions{400, 1600, 7000};
    static constexpr int kPointSpeedMinimum = 1;
    static constexpr int kPointSpeedMaximum = 10;
    static constexpr int kDefaultPointSpeed = 6;
    static constexpr int kLiftDistanceMinimum = 1;
    static constexpr int kLiftDistanceMaximum = 32;
    static constexpr int kDefaultLiftDistance = 1;
    static constexpr int kAngleSnapEntries = 16;
    // Surface levels 0 … 10, each with its picture.
    static constexpr int kSurfaceLevels = 11;

    static constexpr std::chrono::milliseconds kNumberFieldInterval{70};
    static constexpr std::chrono::milliseconds kStepLabelInterval{50};

    static inline const QString kTestFailed = QStringLiteral("Test_LOD failed.");
    static inline const QString kSaveFailed = QStringLiteral("Save_LOD failed.");

    CSensorDlg(const WindowServices& services, QWidget* parent);

    void LoadFromProfile(const ProfileRecord& record) override;
    void SaveToProfile(ProfileRecord& record) override;

    void ControlNotification(int code, int value) override;
    void ControlClicked(int controlId) override;

    // Timer 1: the number field's text becomes a number within ±30, the caret at its end.
    void NumberFieldTick();
    // Timer 2: the labels show the resolutions (the X row only while X and Y are separate).
    void StepLabelTick();
    QTimer& numberFieldTimer() { return numberFieldTimer_; }
    QTimer& stepLabelTimer() { return stepLabelTimer_; }

    // Whether X and Y are set separately ("Enable X or Y Separate Setting" checked).
    bool separate() const;

    CTavCheckBox* separateBox() const { return separateBox_; }
    CTavCheckBox* definedModeBox() const { return definedModeBox_; }
    CQELNUMEdit* numberField() const { return numberField_; }
    CQELComboButton* angleSnap() const { return angleSnap_; }
    CTavSliderCtrl3D* xAxis() const { return xAxis_; }
    CTavSliderCtrl3D* yAxis() const { return yAxis_; }
    // The upper row ("Step1x" …), the lower row ("Step1xy" …) and the boxes behind them.
    const std::array<CTavStatic*, kStepCount>& stepXLabels() const { return stepXLabels_; }
    const std::array<CTavStatic*, kStepCount>& stepXYLabels() const { return stepXYLabels_; }
    const std::array<CTavStatic*, kStepCount>& stepBackgrounds() const { return stepBackgrounds_; }
    CTavSliderCtrl* pointSpeed() const { return pointSpeed_; }
    CTavSliderCtrl* liftDistance() const { return liftDistance_; }
    CTavButton* testButton() const { return testButton_; }
    CTavButton* saveButton() const { return saveButton_; }
    CTavButton* analyzeSurfaceButton() const { return analyzeSurfaceButton_; }
    CTavProgressCtrl* qualityAnalyzer() const { return qualityAnalyzer_; }
    CTavStatic* surface() const { return surface_; }

  private:
    enum class LiftOffAction { Test, Save };

    // Building the controls (CSensorDlgControls.cpp).
    void BuildControls();
    void BuildResolutionControls();
    void BuildSurfaceControls();
    void SetCreationDefaults();
    void SkinStepLabels();

    // The resolutions.
    void OnSeparateClicked();
    void LayOutStepLabels();
    static void CopyThumbs(const CTavSliderCtrl3D& from, CTavSliderCtrl3D& to, bool notify);

    // What acts on the mouse (CSensorDlgDevice.cpp).
    void SendLiftDistance(LiftOffAction action);
    void AnalyzeSurface();
    void ShowSurfaceLevel(int level);

    DeviceLink& link_;
    Log& log_;
    PopupRunner& popups_;

    CTavCheckBox* separateBox_ = nullptr;
    CTavCheckBox* definedModeBox_ = nullptr;
    CQELNUMEdit* numberField_ = nullptr;
    CQELComboButton* angleSnap_ = nullptr;
    CTavSliderCtrl3D* xAxis_ = nullptr;
    CTavSliderCtrl3D* yAxis_ = nullptr;
    std::array<CTavStatic*, kStepCount> stepBackgrounds_{};
    std::array<CTavStatic*, kStepCount> stepXLabels_{};
    std::array<CTavStatic*, kStepCount> stepXYLabels_{};
    CTavSliderCtrl* pointSpeed_ = nullptr;
    CTavSliderCtrl* liftDistance_ = nullptr;
    CTavButton* testButton_ = nullptr;
    CTavButton* saveButton_ = nullptr;
    CTavButton* analyzeSurfaceButton_ = nullptr;
    CTavProgressCtrl* qualityAnalyzer_ = nullptr;
    CTavStatic* surface_ = nullptr;

    QTimer numberFieldTimer_;
    QTimer stepLabelTimer_;
    TimersPausedWhileHidden pausedWhileHidden_{*this, {&numberFieldTimer_, &stepLabelTimer_}};
};

}  // namespace orvex::ui
