#pragma once

#include <cstdint>
#include <span>

namespace orvex {

// Ids 0 ... 15 are button function codes in the function menus; macros start above them.
inline constexpr std::int32_t kFirstMacroId = 16;
// A binding keeps its macro id in a signed 16-bit parameter, so no macro may be given more.
inline constexpr std::int32_t kLastMacroId = 32767;

// Whether a button can be bound to the macro with this id. Ids from a damaged or foreign macro
// file may be anything; below 16 they would pass for function codes in the menus.
constexpr bool IsBindableMacroId(std::int32_t id) {
    return id >= kFirstMacroId && id <= kLastMacroId;
}

// The id for a new macro: one more than the largest id in use (compared as unsigned), and 16 when
// no id above 15 is in use. Should that pass what a binding can hold (only after ~32,000 macros,
// or a damaged file with a huge or negative id), the smallest free id from 16 up is taken instead,
// so a new macro can always be bound to a button. 0 only when every bindable id is taken.
std::int32_t NextMacroId(std::span<const std::int32_t> idsInUse);

}  // namespace orvex
