#pragma once

#include <array>
#include <cstdint>

#include "ui/layout/LayoutRect.h"

// The colour panel that opens under a zone colour swatch: twenty cells in four rows of five. Cell
// rectangles are measured by their edges (a point is inside when left <= x < right and
// top <= y < bottom); the one-pixel gaps between cells pick nothing.
namespace orvex::ui::layout::colorpanel {

inline constexpr LayoutSize kPanelSize{102, 82};

struct PanelCell {
    int left;
    int top;
    int right;
    int bottom;
    std::uint32_t colourBgr;  // 0x00BBGGRR, red in the low byte

    constexpr LayoutRect Rect() const { return LayoutRect{left, top, right - left, bottom - top}; }
};

inline constexpr std::array<PanelCell, 20> kCells{{
    {1, 1, 21, 21, 0x000000FF},    {22, 1, 41, 21, 0x000014FF},   {42, 1, 61, 21, 0x00003CFF},
    {62, 1, 81, 21, 0x000096FF},   {82, 1, 101, 21, 0x0000FFFF},  {1, 22, 21, 41, 0x0000FFB4},
    {22, 22, 41, 41, 0x0000FF00},  {42, 22, 61, 41, 0x000AFF3C},  {62, 22, 81, 41, 0x0046FF3C},
    {82, 22, 101, 41, 0x0064FF3C}, {1, 42, 21, 61, 0x00FFFF00},   {22, 42, 41, 61, 0x00FF643C},
    {42, 42, 61, 61, 0x00FF6414},  {62, 42, 81, 61, 0x00FF0000},  {82, 42, 101, 61, 0x00FF0050},
    {1, 62, 21, 81, 0x00C800B4},   {22, 62, 41, 81, 0x00A000C8},  {42, 62, 61, 81, 0x006400FF},
    {62, 62, 81, 81, 0x001E00FF},  {82, 62, 101, 81, 0x000A0AFF},
}};

}  // namespace orvex::ui::layout::colorpanel
