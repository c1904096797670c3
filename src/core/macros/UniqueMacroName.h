#pragma once

#include <span>
#include <string>
#include <string_view>

namespace orvex {

// The name a new macro takes so that no other row of the macro list has it (compared exactly,
// letter case included). On a clash a name with a "(" is cut before its first "(" and numbered
// one past the number that followed it ('Macro(1)' -> 'Macro(2)'; anything that is not a number
// counts as 0, so 'Fire(x)' -> 'Fire(1)'); any other name is numbered 1 ('Macro' -> 'Macro(1)').
// Repeated until the name is free. Numbers of any length count exactly.
std::u16string UniqueMacroName(std::u16string name, std::span<const std::u16string> others);

}  // namespace orvex
