#include "core/macros/MacroFileNames.h"

#include <array>
#include <cstdint>

#include "core/text/Utf.h"

namespace orvex {
namespace {

constexpr char16_t kReplacementChar = u'_';
// A file name may have 255 bytes; the rest is kept for ".macro" and the temporary suffix of an
// atomic save.
constexpr std::size_t kMaxStemBytes = 120;
constexpr std::size_t kHashSuffixBytes = 9;  // "~" and eight hex digits

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

bool IsForbiddenInFileName(char16_t unit) {
    if (unit < 0x20 || unit == 0x7F) {
        return true;
    }
    switch (unit) {
        case u'/':
        case u'\\':
        case u':':
        case u'*':
        case u'?':
        case u'"':
        case u'<':
        case u'>':
        case u'|':
            return true;
        default:
            return false;
    }
}

std::u16string ReplaceForbidden(std::u16string_view name) {
    std::u16string stem;
    stem.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i];
        if (IsHighSurrogate(unit) && i + 1 < name.size() && IsLowSurrogate(name[i + 1])) {
            stem.push_back(unit);
            stem.push_back(name[++i]);
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit) || IsForbiddenInFileName(unit)) {
            stem.push_back(kReplacementChar);
        } else {
            stem.push_back(unit);
        }
    }
    return stem;
}

bool IsWindowsDeviceName(std::u16string_view stem) {
    static constexpr std::array<std::u16string_view, 4> kPlain = {u"CON", u"PRN", u"AUX", u"NUL"};
    const std::u16string upper = FoldFileNameCase(stem);
    for (const auto device : kPlain) {
        if (upper == device) {
            return true;
        }
    }
    return upper.size() == 4 && (upper.starts_with(u"COM") || upper.starts_with(u"LPT")) &&
           upper[3] >= u'1' && upper[3] <= u'9';
}

std::uint32_t Fnv1a(std::u16string_view text) {
    std::uint32_t hash = 2166136261u;
    for (const char16_t unit : text) {
        hash = (hash ^ (unit & 0xFFu)) * 16777619u;
        hash = (hash ^ (unit >> 8)) * 16777619u;
    }
    return hash;
}

std::size_t Utf8Length(char16_t unit) {
    if (unit < 0x80) {
        return 1;
    }
    if (unit < 0x800) {
        return 2;
    }
    return 3;  // a surrogate pair counts 3 + 3, which overestimates its 4 bytes: safe
}

// The longest prefix of `stem` within `maxBytes` of UTF-8 that does not split a surrogate pair.
std::u16string_view PrefixWithin(std::u16string_view stem, std::size_t maxBytes) {
    std::size_t bytes = 0;
    std::size_t units = 0;
    while (units < stem.size() && bytes + Utf8Length(stem[units]) <= maxBytes) {
        bytes += Utf8Length(stem[units]);
        ++units;
    }
    if (units > 0 && units < stem.size() && IsHighSurrogate(stem[units - 1])) {
        --units;
    }
    return stem.substr(0, units);
}

std::u16string HashSuffix(std::u16string_view name) {
    static constexpr char16_t kHex[] = u"0123456789abcdef";
    const std::uint32_t hash = Fnv1a(name);
    std::u16string suffix = u"~";
    for (int shift = 28; shift >= 0; shift -= 4) {
        suffix.push_back(kHex[(hash >> shift) & 0xFu]);
    }
    return suffix;
}

char16_t FoldUnit(char16_t unit) {
    if (unit >= u'a' && unit <= u'z') {
        return static_cast<char16_t>(unit - 0x20);
    }
    if ((unit >= 0xE0 && unit <= 0xFE && unit != 0xF7) ||     // Latin-1
        (unit >= 0x3B1 && unit <= 0x3C9 && unit != 0x3C2) ||  // Greek
        (unit >= 0x430 && unit <= 0x44F)) {                   // Cyrillic
        return static_cast<char16_t>(unit - 0x20);
    }
    if (unit >= 0x450 && unit <= 0x45F) {
        return static_cast<char16_t>(unit - 0x50);
    }
    return unit;
}

}  // namespace

std::u16string MacroFileStem(std::u16string_view macroName) {
    std::u16string stem = ReplaceForbidden(macroName);
    if (stem.empty()) {
        return std::u16string(1, kReplacementChar);
    }
    if (IsWindowsDeviceName(stem)) {
        stem.insert(stem.begin(), kReplacementChar);
    }
    if (PrefixWithin(stem, kMaxStemBytes).size() < stem.size()) {
        stem = std::u16string(PrefixWithin(stem, kMaxStemBytes - kHashSuffixBytes)) +
               HashSuffix(macroName);
    }
    return stem;
}

std::u16string FoldFileNameCase(std::u16string_view fileName) {
    std::u16string folded(fileName);
    for (char16_t& unit : folded) {
        unit = FoldUnit(unit);
    }
    return folded;
}

std::optional<std::u16string> ListEntryFileName(std::u16string_view entry) {
    const auto separator = entry.find_last_of(u"/\\");
    const std::u16string_view name =
        separator == std::u16string_view::npos ? entry : entry.substr(separator + 1);
    if (name.empty() || name == u"." || name == u"..") {
        return std::nullopt;
    }
    // Our own saves never write these; a drive prefix ("C:x") would even leave the folder on
    // Windows.
    for (const char16_t unit : name) {
        if (IsForbiddenInFileName(unit)) {
            return std::nullopt;
        }
    }
    return std::u16string(name);
}

std::u16string Utf16FromPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return FromUtf8(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

}  // namespace orvex
