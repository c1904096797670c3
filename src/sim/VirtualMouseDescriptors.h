#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace orvex::sim {

// The HID report descriptors of the virtual mouse's two USB interfaces, for front ends that make
// it a device the kernel can see. The pointer interface is a plain boot-style mouse (usage page 1,
// usage 2) with an input report of buttons, X, Y and wheel. The command interface is one vendor
// collection (usage page 0xFF01, usage 2) declaring feature report 0x60 of 64 bytes and 0x61 of
// 1041 bytes, lengths counting the report id byte as the kernel does.
std::span<const std::uint8_t> PointerReportDescriptor();
std::span<const std::uint8_t> CommandReportDescriptor();

}  // namespace orvex::sim
