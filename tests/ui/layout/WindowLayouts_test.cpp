#include "ui/layout/WindowLayouts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ui/layout/MainWindowLayout.h"
#include "ui/layout/PopupLayout.h"

namespace orvex::ui::layout {
namespace {

std::string Describe(const WindowLayout& window, const ControlPlacement& control) {
    return std::string(window.window) + " / " + std::string(control.name);
}

TEST(WindowLayouts, EveryControlLiesInsideItsWindowsBitmap) {
    for (const WindowLayout& window : AllWindowLayouts()) {
        ASSERT_FALSE(window.controls.empty()) << window.window;
        for (const ControlPlacement& control : window.controls) {
            const LayoutRect& r = control.rect;
            EXPECT_TRUE(r.width > 0 && r.height > 0 && r.left >= 0 && r.top >= 0 &&
                        r.right() <= window.size.width && r.bottom() <= window.size.height)
                << Describe(window, control);
        }
    }
}

TEST(WindowLayouts, InteractiveControlsOverlapOnlyWhereTheyShareOnePlace) {
    for (const WindowLayout& window : AllWindowLayouts()) {
        for (std::size_t i = 0; i < window.controls.size(); ++i) {
            for (std::size_t j = i + 1; j < window.controls.size(); ++j) {
                const ControlPlacement& a = window.controls[i];
                const ControlPlacement& b = window.controls[j];
                if (!a.interactive || !b.interactive || !a.rect.Intersects(b.rect)) {
                    continue;
                }
                const bool shared =
                    a.samePlaceAs == b.name && b.samePlaceAs == a.name && a.rect == b.rect;
                EXPECT_TRUE(shared) << Describe(window, a) << " overlaps " << b.name;
            }
        }
    }
}

TEST(WindowLayouts, WindowsAndControlIdsAreUniqueAndPagesFitThePageArea) {
    std::set<std::string_view> names;
    for (const WindowLayout& window : AllWindowLayouts()) {
        EXPECT_TRUE(names.insert(window.window).second) << window.window;
        std::set<int> ids;
        for (const ControlPlacement& control : window.controls) {
            if (control.controlId != kNoControlId) {
                EXPECT_TRUE(ids.insert(control.controlId).second) << Describe(window, control);
            }
        }
    }
    for (std::string_view page :
         {"MouseSettings", "Sensor", "ColorSettings", "MacroSettings", "Support"}) {
        const WindowLayout* layout = FindWindowLayout(page);
        ASSERT_NE(layout, nullptr) << page;
        EXPECT_EQ(layout->size, mainwindow::kPageSize) << page;
    }
    EXPECT_EQ(FindWindowLayout("no such window"), nullptr);
}

TEST(PopupLayout, FacesAreFoundByModeOrElementAndOnlyTheirOwnControlsAreListed) {
    const popup::PopupFace& countdown = popup::FaceOf(PopupMode::SurfaceCountdown);
    EXPECT_EQ(FamilyStem(countdown.family), "SensorSQAT2");
    EXPECT_EQ(popup::FaceOwningElement(156), &countdown);
    EXPECT_EQ(popup::FaceOwningElement(161), &countdown);
    EXPECT_EQ(popup::FaceOwningElement(144), nullptr) << "the rename dialog's";
    EXPECT_EQ(popup::FaceOwningElement(174), nullptr);

    const WindowLayout* warning = FindWindowLayout("Popup LeftClickWarning");
    ASSERT_NE(warning, nullptr);
    std::set<int> ids;
    for (const ControlPlacement& control : warning->controls) {
        ids.insert(control.controlId);
    }
    EXPECT_EQ(ids, (std::set<int>{popup::kOkId, popup::kCloseId}));
}

}  // namespace
}  // namespace orvex::ui::layout
