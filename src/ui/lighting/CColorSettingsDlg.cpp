#include "ui/lighting/CColorSettingsDlg.h"

#include <QApplication>
#include <QKeyEvent>

#include "ui/layout/ColorSettingsLayout.h"
#include "ui/lighting/CTavCbnColorButton.h"
#include "ui/lighting/CTavMouseStatic.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavCheckBox.h"
#include "ui/skin/CTavEdit.h"
#include "ui/skin/ControlPlacement.h"
#include "ui/skin/LayoutRectQt.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui {
namespace {

namespace cs = layout::colorsettings;

// Skin elements of the lighting page's controls.
constexpr int kBackgroundElement = 72;
constexpr int kScrollWheelElement = 76;
constexpr int kDpiIndicatorElement = 77;
constexpr int kDpiButtonsElement = 78;
constexpr int kLogoTypeElement = 79;
constexpr int kGridFirstElement = 80;
constexpr int kZone1ColourElement = 100;
constexpr int kZone2ColourElement = 101;
constexpr int kZone3ColourElement = 102;
constexpr int kZone4ColourElement = 103;
constexpr int kEffectFirstElement = 104;
constexpr int kColorShiftElement = 108;
constexpr int kSolidColorElement = 109;
constexpr int kColourFieldFirstElement = 110;
constexpr int kMouseElement = 113;
constexpr int kColorPanelElement = 139;

QImage Element(int element, SkinState state, const layout::LayoutRect& rect) {
    return SkinImageSet::Instance().GetSkinImage(element, state, ToQRect(rect));
}

struct StateImages {
    QImage normal;
    QImage hover;
    QImage pressed;
    QImage disabled;
};

StateImages ElementImages(int element, const layout::LayoutRect& rect) {
    return {Element(element, SkinState::Normal, rect), Element(element, SkinState::Hover, rect),
            Element(element, SkinState::Pressed, rect),
            Element(element, SkinState::Disabled, rect)};
}

QImage PanelPicture() {
    return Element(kColorPanelElement, SkinState::Normal, {});
}

// A control of the page with its identifier, at its place.
}  // namespace

CColorSettingsDlg::CColorSettingsDlg(const WindowServices& services, QWidget* parent)
    : ProfilePage(parent), panelIds_(services.clock()) {
    SkinImageSet& skin = SkinImageSet::Instance();
    skin.LoadSkinImages();
    SetBackgroundImage(skin.GetSkinImage(kBackgroundElement, SkinState::Normal, QRect()));
    BuildControls();

    stateButtons_[0]->SetChecked(true);
    effectButtons_[0]->SetChecked(true);
    solidColor_->SetChecked(true);
    ShowZoneEntries(false);
    WatchForEnter();

    fieldPoll_.setInterval(kFieldPollInterval);
    connect(&fieldPoll_, &QTimer::timeout, this, &CColorSettingsDlg::PollColourFields);
    fieldPoll_.start();
}

CColorSettingsDlg::~CColorSettingsDlg() = default;

void CColorSettingsDlg::BuildControls() {
    stateButtons_ = {MakeStateButton(cs::kOnId, cs::kOn), MakeStateButton(cs::kOffId, cs::kOff),
                     MakeStateButton(cs::kSelectId, cs::kSelect)};
    zoneBoxes_ = {MakeZoneBox(cs::kScrollWheelId, kScrollWheelElement, cs::kScrollWheel),
                  MakeZoneBox(cs::kLogoTypeId, kLogoTypeElement, cs::kLogoType)};
    MakeFixedZoneBox(cs::kDpiButtonsId, kDpiButtonsElement, cs::kDpiButtons);
    MakeFixedZoneBox(cs::kDpiIndicatorId, kDpiIndicatorElement, cs::kDpiIndicator);
    colourButtons_ = {MakeColourButton(cs::kZone1ColourId, kZone1ColourElement, cs::kZone1Colour),
                      MakeColourButton(cs::kZone4ColourId, kZone4ColourElement, cs::kZone4Colour)};
    MakePassiveSwatch(cs::kZone3ColourId, kZone3ColourElement, cs::kZone3Colour);
    MakePassiveSwatch(cs::kZone2ColourId, kZone2ColourElement, cs::kZone2Colour);

    for (int row = 0; row < static_cast<int>(cs::kGridRows.size()); ++row) {
        for (int column = 0; column < static_cast<int>(cs::kGridColumns.size()); ++column) {
            const int index = cs::GridCellId(row, column) - cs::kGridFirstId;
            gridButtons_[static_cast<std::size_t>(index)] =
                MakeElementButton(cs::GridCellId(row, column), kGridFirstElement + index,
                                  cs::GridCell(row, column), true);
        }
    }
    for (std::size_t i = 0; i < effectButtons_.size(); ++i) {
        const int offset = static_cast<int>(i);
        effectButtons_[i] = MakeElementButton(cs::kEffectFirstId + offset,
                                              kEffectFirstElement + offset, cs::kEffects[i], false);
    }
    colorShift_ = MakeElementButton(cs::kColorShiftId, kColorShiftElement, cs::kColorShift, false);
    solidColor_ = MakeElementButton(cs::kSolidColorId, kSolidColorElement, cs::kSolidColor, false);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const int offset = static_cast<int>(i);
        fields_[i] = MakeColourField(cs::kColourFieldFirstId + offset,
                                     kColourFieldFirstElement + offset, cs::kColourFields[i]);
    }

    preview_ = new CTavMouseStatic(animation_, this);
    preview_->SetControlId(cs::kMousePreviewId);
    preview_->setGeometry(ToQRect(cs::kMousePreview));
    preview_->SetPicture(Element(kMouseElement, SkinState::Normal, cs::kMousePreview));
}

CTavButton* CColorSettingsDlg::MakeStateButton(int controlId, const layout::LayoutRect& rect) {
    SkinImageSet& skin = SkinImageSet::Instance();
    const QRect place = ToQRect(rect);
    const auto crop = [&](SkinState state) {
        return skin.CropFamily(SkinFamily::ColorSetting, state, place);
    };
    auto* made = PlaceControl<CTavButton>(this, controlId, rect);
    made->SetImages(crop(SkinState::Normal), crop(SkinState::Hover), crop(SkinState::Pressed),
                    crop(SkinState::Disabled));
    return made;
}

CTavButton* CColorSettingsDlg::MakeElementButton(int controlId, int element,
                                                 const layout::LayoutRect& rect,
                                                 bool withDisabledImage) {
    const StateImages images = ElementImages(element, rect);
    auto* made = PlaceControl<CTavButton>(this, controlId, rect);
    made->SetImages(images.normal, images.hover, images.pressed,
                    withDisabledImage ? images.disabled : QImage());
    return made;
}

CTavCheckBox* CColorSettingsDlg::MakeZoneBox(int controlId, int element,
                                             const layout::LayoutRect& rect) {
    const StateImages images = ElementImages(element, rect);
    auto* made = PlaceControl<CTavCheckBox>(this, controlId, rect);
    made->SetImages(images.normal, images.hover, images.pressed, images.disabled);
    return made;
}

// "DPI Buttons" and "DPI Indicator" are always lit and cannot be changed: only their disabled
// picture is ever shown.
CTavCheckBox* CColorSettingsDlg::MakeFixedZoneBox(int controlId, int element,
                                                  const layout::LayoutRect& rect) {
    auto* made = PlaceControl<CTavCheckBox>(this, controlId, rect);
    made->SetImages(QImage(), QImage(), QImage(), Element(element, SkinState::Disabled, rect));
    made->setEnabled(false);
    return made;
}

CTavCbnColorButton* CColorSettingsDlg::MakeColourButton(int controlId, int element,
                                                        const layout::LayoutRect& rect) {
    const StateImages images = ElementImages(element, rect);
    auto* made = PlaceControl<CTavCbnColorButton>(this, controlId, rect);
    made->SetPanelIdAllocator(panelIds_);
    made->SetImages(images.normal, images.hover, images.pressed, PanelPicture());
    return made;
}

// The swatches of the two fixed zones react to nothing; the panel picture as their disabled
// image is never shown, since they are never disabled.
CTavButton* CColorSettingsDlg::MakePassiveSwatch(int controlId, int element,
                                                 const layout::LayoutRect& rect) {
    const StateImages images = ElementImages(element, rect);
    auto* made = PlaceControl<CTavButton>(this, controlId, rect);
    made->SetImages(images.normal, images.hover, QImage(), PanelPicture());
    return made;
}

CTavEdit* CColorSettingsDlg::MakeColourField(int controlId, int element,
                                             const layout::LayoutRect& rect) {
    auto* made = PlaceControl<CTavEdit>(this, controlId, rect);
    made->SetBackgroundImage(Element(element, SkinState::Normal, rect));
    made->SetDigitsOnly(true);
    return made;
}

// Enter reaches the page whichever of its controls has the focus, before that control sees it.
void CColorSettingsDlg::WatchForEnter() {
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

bool CColorSettingsDlg::eventFilter(QObject* watched, QEvent* event) {
    // A key the focused control does not take travels on to the page, passing this filter
    // again; only its first pass counts.
    if (event->type() == QEvent::KeyPress && watched == QApplication::focusWidget()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit WriteBackRequested();
        }
    }
    return ProfilePage::eventFilter(watched, event);
}

QWidget* CColorSettingsDlg::control(int controlId) const {
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* skinned = dynamic_cast<const SkinnedControl*>(child);
        if (skinned != nullptr && skinned->controlId() == controlId) {
            return child;
        }
    }
    return nullptr;
}

CTavButton* CColorSettingsDlg::button(int controlId) const {
    return qobject_cast<CTavButton*>(control(controlId));
}

CTavCheckBox* CColorSettingsDlg::checkBox(int controlId) const {
    return qobject_cast<CTavCheckBox*>(control(controlId));
}

CTavCbnColorButton* CColorSettingsDlg::colourButton(int controlId) const {
    return qobject_cast<CTavCbnColorButton*>(control(controlId));
}

}  // namespace orvex::ui
