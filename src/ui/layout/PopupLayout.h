#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "ui/layout/LayoutRect.h"
#include "ui/layout/PopupMode.h"
#include "ui/layout/SkinFamily.h"

// The faces of the one pop-up dialog, by mode: the skin family each is cut from, the skin
// elements it owns and where its controls sit. A control missing from a face (no value) is hidden
// in that mode.
namespace orvex::ui::layout::popup {

inline constexpr int kOkId = 1076;
inline constexpr int kCancelId = 1077;
inline constexpr int kCloseId = 1078;
inline constexpr int kTimeId = 1079;
inline constexpr int kImageId = 1080;

struct PopupFace {
    PopupMode mode;           // also the skin element of the face itself
    std::string_view window;  // the face's name in the window table
    SkinFamily family;        // the bitmaps of the face and of its controls
    int lastElement;          // elements mode + 1 … lastElement crop the family by state
    LayoutSize size;          // the face bitmap's size, which is the dialog's size
    LayoutRect ok;
    std::optional<LayoutRect> cancel;
    LayoutRect close;
    std::optional<LayoutRect> time;
    std::optional<LayoutRect> image;

    constexpr int FaceElement() const { return static_cast<int>(mode); }
};

inline constexpr std::array kFaces{
    PopupFace{PopupMode::LeftClickWarning,
              "Popup LeftClickWarning",
              SkinFamily::LeftClickWarn,
              147,
              {375, 184},
              {313, 145, 60, 29},
              std::nullopt,
              {348, 0, 27, 23},
              std::nullopt,
              std::nullopt},
    PopupFace{PopupMode::DeleteMacroConfirm,
              "Popup DeleteMacroConfirm",
              SkinFamily::DeleteMacro,
              151,
              {397, 184},
              {257, 150, 55, 24},
              LayoutRect{317, 150, 57, 24},
              {377, 0, 20, 23},
              std::nullopt,
              std::nullopt},
    PopupFace{PopupMode::SurfaceIntro,
              "Popup SurfaceIntro",
              SkinFamily::SensorSqat1,
              155,
              {397, 190},
              {224, 157, 104, 23},
              LayoutRect{335, 157, 54, 23},
              {376, 0, 21, 22},
              std::nullopt,
              std::nullopt},
    PopupFace{PopupMode::SurfaceCountdown,
              "Popup SurfaceCountdown",
              SkinFamily::SensorSqat2,
              161,
              {397, 190},
              {224, 157, 104, 23},
              LayoutRect{335, 157, 54, 23},
              {376, 0, 21, 22},
              LayoutRect{303, 133, 14, 12},
              LayoutRect{16, 62, 196, 95}},
    PopupFace{PopupMode::SurfaceResult,
              "Popup SurfaceResult",
              SkinFamily::SensorSqat3,
              164,
              {397, 190},
              {305, 157, 84, 23},
              std::nullopt,
              {376, 0, 21, 22},
              std::nullopt,
              std::nullopt},
    PopupFace{PopupMode::ResetWarning,
              "Popup ResetWarning",
              SkinFamily::ResetWarn,
              168,
              {375, 184},
              {255, 147, 57, 27},
              LayoutRect{315, 147, 58, 27},
              {348, 0, 27, 23},
              std::nullopt,
              std::nullopt},
    PopupFace{PopupMode::AssignKey,
              "Popup AssignKey",
              SkinFamily::AssignKey,
              173,
              {397, 166},
              {274, 131, 54, 25},
              LayoutRect{334, 131, 55, 25},
              {378, 0, 19, 23},
              LayoutRect{132, 99, 63, 16},
              std::nullopt},
};

// The skin element table reads the faces' element runs from here: they must not overlap.
constexpr bool ElementRunsAscendWithoutOverlap() {
    int previousLast = -1;
    for (const PopupFace& face : kFaces) {
        if (face.FaceElement() <= previousLast || face.lastElement < face.FaceElement()) {
            return false;
        }
        previousLast = face.lastElement;
    }
    return true;
}
static_assert(ElementRunsAscendWithoutOverlap());

// The face of a mode. Every mode has one.
constexpr const PopupFace& FaceOf(PopupMode mode) {
    for (const PopupFace& face : kFaces) {
        if (face.mode == mode) {
            return face;
        }
    }
    return kFaces.front();
}

// The face whose elements include `element` (its own or one of its controls'), or nullptr.
constexpr const PopupFace* FaceOwningElement(int element) {
    for (const PopupFace& face : kFaces) {
        if (element >= face.FaceElement() && element <= face.lastElement) {
            return &face;
        }
    }
    return nullptr;
}

// The countdown pictures "TQA2-1.bmp" … "TQA2-3.bmp" fill the "Image" static exactly.
inline constexpr LayoutSize kCountdownPictureSize{196, 95};

// Where a face's message is drawn: below the title strip, left of the buttons' row.
inline constexpr int kTitleHeight = 23;

}  // namespace orvex::ui::layout::popup
