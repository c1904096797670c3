#pragma once

#include <cstddef>
#include <cstdint>

namespace orvex {

inline constexpr std::size_t kButtonCount = 9;

// What one of the nine buttons does.
struct ButtonBinding {
    std::uint8_t button = 0;  // index 0 ... 8, equal to the binding's position in the record
    std::uint8_t code = 0;    // a ButtonFunction code
    // SingleKey: the Windows virtual-key code; RecordMacro: the macro id. Kept as it was for every
    // other function, so switching a button away from a key and back does not lose the key.
    std::int16_t param = 0;
    std::uint8_t defaultCode = 0;  // the factory function; not stored in the profile file

    friend bool operator==(const ButtonBinding&, const ButtonBinding&) = default;
};

}  // namespace orvex
