#include "core/macros/MacroAreaPacking.h"

#include <algorithm>

namespace orvex {
namespace {

void PutWord(DeviceProfileImage& image, std::size_t at, std::size_t value) {
    image[at] = static_cast<std::uint8_t>(value & 0xFF);
    image[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

// Type, code (LE), release, then the delay's low 24 bits: the mouse has no room for longer waits.
void PutEvent(DeviceProfileImage& image, std::size_t at, const DeviceMacroEvent& event) {
    const auto delay = static_cast<std::uint32_t>(event.delay);
    image[at] = event.type;
    PutWord(image, at + 1, event.code);
    image[at + 3] = event.release;
    image[at + 4] = static_cast<std::uint8_t>(delay & 0xFF);
    image[at + 5] = static_cast<std::uint8_t>((delay >> 8) & 0xFF);
    image[at + 6] = static_cast<std::uint8_t>((delay >> 16) & 0xFF);
}

}  // namespace

std::size_t TotalMacroEvents(const std::array<DeviceMacro, kButtonCount>& macros) {
    std::size_t total = 0;
    for (const DeviceMacro& macro : macros) {
        total += macro.count();
    }
    return total;
}

bool PackMacroArea(DeviceProfileImage& image,
                   const std::array<std::size_t, kButtonCount>& slotOffsets,
                   const std::array<DeviceMacro, kButtonCount>& macros) {
    // 164 events and nine terminators end at byte 2010; the limit is what keeps the area inside
    // the image, so it is checked before the first byte is written.
    if (TotalMacroEvents(macros) > kMaxImageMacroEvents) {
        return false;
    }
    std::size_t offset = kMacroAreaOffset;
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        const std::size_t slot = slotOffsets[b];
        if (image[slot] != kMacroSlotType) {
            continue;
        }
        PutWord(image, slot + 2, offset);
        PutWord(image, slot + 4, macros[b].count());
        for (const DeviceMacroEvent& event : macros[b].events) {
            PutEvent(image, offset, event);
            offset += kMacroEventRecordSize;
        }
        std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(offset), kMacroEventRecordSize, 0);
        offset += kMacroEventRecordSize;
    }
    return true;
}

}  // namespace orvex
