#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/device/DeviceLink.h"
#include "core/profiles/ConfigFolders.h"
#include "core/profiles/ProfileRecord.h"

namespace orvex::ui {

// Follows the profile the mouse itself makes active (its profile button). It remembers the last
// number it read for the whole run, so each switch on the mouse is followed once; Apply making a
// profile active does not count as a switch.
class ProfilePoll {
  public:
    static constexpr std::uint8_t kNoneSeen = 255;

    // Reads the active profile. The slot (1 ... 5) whose record carries that number when it differs
    // from the last one read; none when the read failed, nothing changed or no slot carries it.
    std::optional<int> Tick(DeviceLink& link, const std::array<ProfileRecord, kSlotCount>& records);

    std::uint8_t lastSeen() const { return lastSeen_; }

  private:
    std::uint8_t lastSeen_ = kNoneSeen;
};

}  // namespace orvex::ui
