#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvex {

// How one event reads in the event list. Mouse rows carry their whole text; key rows carry the
// key name only (empty for a key without one), and the list draws the press or release mark
// beside it.
struct EventRowText {
    bool isMouseEvent = false;
    std::u16string text;
};

// Chosen from code and release alone, whatever the type: a recorded browser back or forward key
// (166, 167) reads as the mouse's back or forward button, and the wheel codes read as the wheel
// for any release value.
EventRowText EventText(std::int16_t code, std::uint8_t release);

// The delay column: "250 ms".
std::u16string DelayText(std::int32_t delay);

// The delay the user typed: the leading decimal digits (none reads as 0), the largest delay a
// macro event holds when they say more.
std::int32_t DelayFromText(std::u16string_view text);

}  // namespace orvex
