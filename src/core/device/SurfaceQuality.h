#pragma once

#include <cstdint>

namespace orvex {

inline constexpr int kSurfaceCountdownSeconds = 10;

// The mouse reports surface quality as a raw byte; users see a level from 0 (unusable) to 10.
int SurfaceQualityLevel(std::uint8_t quality);

}  // namespace orvex
