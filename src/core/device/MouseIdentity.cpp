#include "core/device/MouseIdentity.h"

#include <algorithm>
#include <cctype>

namespace orvex {
namespace {

bool ContainsAfterFirst(std::string_view name, std::string_view needle) {
    return name.size() > 1 && name.substr(1).find(needle) != std::string_view::npos;
}

bool ContainsAfterFirstIgnoringCase(std::string_view name, std::string_view needle) {
    if (name.size() <= 1) {
        return false;
    }
    const std::string_view rest = name.substr(1);
    const auto match =
        std::search(rest.begin(), rest.end(), needle.begin(), needle.end(), [](char a, char b) {
            return std::toupper(static_cast<unsigned char>(a)) ==
                   std::toupper(static_cast<unsigned char>(b));
        });
    return match != rest.end();
}

}  // namespace

bool IsOrvexDeviceName(std::string_view name) {
    const bool vendor = ContainsAfterFirst(name, "2A3C") || ContainsAfterFirst(name, "2a3c");
    return vendor && ContainsAfterFirstIgnoringCase(name, "3B19");
}

}  // namespace orvex
