#pragma once

namespace orvex {

// What the window and orvexctl tell the user when no ORVEX SK can be found.
inline constexpr const char* kMouseNotFoundMessage = "ORVEX SK mouse not found";

}  // namespace orvex
