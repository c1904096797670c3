#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/device/HidTransport.h"

namespace orvex::platform {

// Push items deeper than this are rejected, as the Linux HID core does; a descriptor that needs
// more is not bound by the kernel anyway.
inline constexpr std::size_t kHidGlobalStackDepth = 4;

// The usage page and usage of every top-level application collection of a HID report descriptor,
// in descriptor order. A Usage given without a page takes the Usage Page in force when the
// Collection item is read.
//
// The descriptor comes from the device and is untrusted. Parsing stops at the first item that is
// cut off by the end of the data or that breaks the item grammar (End Collection or Pop with
// nothing open, Push past the stack depth); the collections opened before that point are
// returned. A damaged tail therefore never hides a good vendor collection that came before it,
// and nothing after the damage is guessed at.
std::vector<HidUsage> ParseTopLevelUsages(std::span<const std::uint8_t> descriptor);

}  // namespace orvex::platform
