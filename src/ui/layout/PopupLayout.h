#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "ui/layout/LayoutRect.h"

// The faces of the one pop-up dialog, by mode. A mode's number is also the skin element of its
// face. A control missing from a face (no value) is hidden in that mode.
namespace orvex::ui::layout::popup {

inline constexpr int kOkId = 1076;
inline constexpr int kCancelId = 1077;
inline constexpr int kCloseId = 1078;
inline constexpr int kTimeId = 1079;
inline constexpr int kImageId = 1080;

struct PopupFace {
    int mode;
    std::string_view family;  // file name stem of the face bitmaps, e.g. "LeftClickWarn"
    LayoutSize size;          // the face bitmap's size, which is the dialog's size
    LayoutRect ok;
    std::optional<LayoutRect> cancel;
    LayoutRect close;
    std::optional<LayoutRect> time;
    std::optional<LayoutRect> image;
};

inline constexpr PopupFace kLeftClickWarning{
    145,          "LeftClickWarn",  {375, 184},   {313, 145, 60, 29},
    std::nullopt, {348, 0, 27, 23}, std::nullopt, std::nullopt};
inline constexpr PopupFace kDeleteMacroConfirm{148,
                                               "DeleteMacro",
                                               {397, 184},
                                               {257, 150, 55, 24},
                                               LayoutRect{317, 150, 57, 24},
                                               {377, 0, 20, 23},
                                               std::nullopt,
                                               std::nullopt};
inline constexpr PopupFace kSurfaceIntro{152,
                                         "SensorSQAT1",
                                         {397, 190},
                                         {224, 157, 104, 23},
                                         LayoutRect{335, 157, 54, 23},
                                         {376, 0, 21, 22},
                                         std::nullopt,
                                         std::nullopt};
inline constexpr PopupFace kSurfaceCountdown{156,
                                             "SensorSQAT2",
                                             {397, 190},
                                             {224, 157, 104, 23},
                                             LayoutRect{335, 157, 54, 23},
                                             {376, 0, 21, 22},
                                             LayoutRect{303, 133, 14, 12},
                                             LayoutRect{16, 62, 196, 95}};
inline constexpr PopupFace kSurfaceResult{
    162,          "SensorSQAT3",    {397, 190},   {305, 157, 84, 23},
    std::nullopt, {376, 0, 21, 22}, std::nullopt, std::nullopt};
inline constexpr PopupFace kResetWarning{165,
                                         "ResetWarn",
                                         {375, 184},
                                         {255, 147, 57, 27},
                                         LayoutRect{315, 147, 58, 27},
                                         {348, 0, 27, 23},
                                         std::nullopt,
                                         std::nullopt};
inline constexpr PopupFace kAssignKey{169,
                                      "AssignKey",
                                      {397, 166},
                                      {274, 131, 54, 25},
                                      LayoutRect{334, 131, 55, 25},
                                      {378, 0, 19, 23},
                                      LayoutRect{132, 99, 63, 16},
                                      std::nullopt};

inline constexpr std::array<PopupFace, 7> kFaces{
    kLeftClickWarning, kDeleteMacroConfirm, kSurfaceIntro, kSurfaceCountdown,
    kSurfaceResult,    kResetWarning,       kAssignKey};

// The face of a mode, or nullptr for a number that is no mode.
constexpr const PopupFace* FindFace(int mode) {
    for (const PopupFace& face : kFaces) {
        if (face.mode == mode) {
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
