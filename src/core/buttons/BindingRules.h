#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/profiles/ButtonBinding.h"
#include "core/profiles/ProfileRecord.h"

namespace orvex {

class MacroList;

// OK in the key-capture pop-up: the button sends that one key. A modifier is a key like any other.
void BindSingleKey(ButtonBinding& binding, std::int16_t virtualKey);

// A macro picked from the button's menu. The binding keeps the id in 16 bits, so an id it cannot
// hold (above 32767, only from a damaged or foreign macro file) is refused and the binding stays
// as it was: cutting it would bind the button to some other macro.
bool BindMacro(ButtonBinding& binding, std::int32_t macroId);

// Writing the page into a profile: every macro-bound button takes a fresh copy of its macro from
// the list, and a button whose macro was deleted falls back to its default function.
void StoreMacroBindings(ProfileRecord& record, const MacroList& macros);

// What a button's function shows when a profile is shown: the key's name, the name of the
// profile's own copy of the macro (not the macro list's current name), or the function's menu
// text. None for a code outside the catalogue; the page then keeps what it showed.
std::optional<std::u16string> BindingLabel(const ProfileRecord& record,
                                           const ButtonBinding& binding);

}  // namespace orvex
