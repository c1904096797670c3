#pragma once

#include <cstdint>

namespace orvex {

// A rectangle as the macro files store it: left, top, right, bottom, each signed 32-bit.
struct IntRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Height() const { return bottom - top; }
    // Left and top edges inside, right and bottom edges outside.
    bool Contains(std::int32_t x, std::int32_t y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }

    friend bool operator==(const IntRect&, const IntRect&) = default;
};

}  // namespace orvex
