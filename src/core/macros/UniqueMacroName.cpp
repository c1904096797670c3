#include "core/macros/UniqueMacroName.h"

#include <algorithm>

namespace orvex {
namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The leading decimal digits of `text` (as a number is read, stopping at the first non-digit),
// without leading zeros; "0" when there are none.
std::u16string LeadingNumber(std::u16string_view text) {
    const auto end = std::find_if_not(text.begin(), text.end(), IsDigit);
    auto start = std::find_if(text.begin(), end, [](char16_t c) { return c != u'0'; });
    std::u16string digits(start, end);
    return digits.empty() ? std::u16string(u"0") : digits;
}

// One more than a decimal number held as text, however long.
std::u16string Incremented(std::u16string digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != u'9') {
            ++*it;
            return digits;
        }
        *it = u'0';
    }
    return u'1' + digits;
}

std::u16string Renumbered(const std::u16string& name) {
    const std::size_t open = name.find(u'(');
    if (open == std::u16string::npos) {
        return name + u"(1)";
    }
    // The text after the "(" without its last character: the number a closing ")" ends.
    std::u16string_view inside = std::u16string_view(name).substr(open + 1);
    if (!inside.empty()) {
        inside.remove_suffix(1);
    }
    return name.substr(0, open) + u"(" + Incremented(LeadingNumber(inside)) + u")";
}

}  // namespace

std::u16string UniqueMacroName(std::u16string name, std::span<const std::u16string> others) {
    // Each round gives a name with a larger number than the one before, so no name of the list
    // can match twice: the rounds end after at most one per other row.
    for (std::size_t round = 0; round <= others.size(); ++round) {
        if (std::find(others.begin(), others.end(), name) == others.end()) {
            break;
        }
        name = Renumbered(name);
    }
    return name;
}

}  // namespace orvex
