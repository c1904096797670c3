#include "core/profiles/KeyCodeTranslation.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/buttons/VirtualKeys.h"

namespace orvex {
namespace {

struct KeyRange {
    std::uint16_t firstKey;
    std::uint16_t lastKey;
    std::uint16_t firstUsage;
};

constexpr std::array<KeyRange, 6> kRanges{{
    {vk::kLetterA, vk::kLetterZ, 0x04},
    {'1', '9', 0x1E},  // the HID order puts 0 after 9
    {vk::kF1, vk::kF12, 0x3A},
    {vk::kNumpad1, vk::kNumpad9, 0x59},
    {vk::kDigit0, vk::kDigit0, 0x27},
    {vk::kNumpad0, vk::kNumpad0, 0x62},
}};

constexpr std::array<std::pair<std::uint16_t, std::uint16_t>, 48> kSingleKeys{{
    {vk::kCancel, 0x48},     {vk::kBack, 0x2A},         {vk::kTab, 0x2B},
    {vk::kReturn, 0x28},     {vk::kPause, 0x48},        {vk::kCapsLock, 0x39},
    {vk::kEscape, 0x29},     {vk::kSpace, 0x2C},        {vk::kPageUp, 0x4B},
    {vk::kPageDown, 0x4E},   {vk::kEnd, 0x4D},          {vk::kHome, 0x4A},
    {vk::kLeft, 0x50},       {vk::kUp, 0x52},           {vk::kRight, 0x4F},
    {vk::kDown, 0x51},       {vk::kPrintScreen, 0x46},  {vk::kInsert, 0x49},
    {vk::kDelete, 0x4C},     {vk::kLeftWindows, 0xE3},  {vk::kRightWindows, 0xE7},
    {vk::kApps, 0x65},       {vk::kMultiply, 0x55},     {vk::kAdd, 0x57},
    {vk::kSubtract, 0x56},   {vk::kDecimal, 0x63},      {vk::kDivide, 0x54},
    {vk::kNumLock, 0x53},    {vk::kScrollLock, 0x47},   {vk::kLeftShift, 0xE1},
    {vk::kRightShift, 0xE5}, {vk::kLeftControl, 0xE0},  {vk::kRightControl, 0xE4},
    {vk::kLeftAlt, 0xE2},    {vk::kRightAlt, 0xE6},     {vk::kVolumeDown, 0x81},
    {vk::kVolumeUp, 0x80},   {vk::kSemicolon, 0x33},    {vk::kEquals, 0x2E},
    {vk::kComma, 0x36},      {vk::kMinus, 0x2D},        {vk::kPeriod, 0x37},
    {vk::kSlash, 0x38},      {vk::kGrave, 0x35},        {vk::kLeftBracket, 0x2F},
    {vk::kBackslash, 0x31},  {vk::kRightBracket, 0x30}, {vk::kApostrophe, 0x34},
}};

}  // namespace

std::uint16_t TranslateKeyCode(std::uint16_t virtualKey) {
    for (const KeyRange& range : kRanges) {
        if (virtualKey >= range.firstKey && virtualKey <= range.lastKey) {
            return static_cast<std::uint16_t>(range.firstUsage + (virtualKey - range.firstKey));
        }
    }
    const auto found =
        std::find_if(kSingleKeys.begin(), kSingleKeys.end(),
                     [virtualKey](const auto& entry) { return entry.first == virtualKey; });
    return found == kSingleKeys.end() ? virtualKey : found->second;
}

}  // namespace orvex
