#pragma once

#include <string>

#include "platform/PointerSettings.h"

namespace orvex::platform {

// The GNOME desktop's mouse settings, through GSettings. Double-click time, pointer speed and
// the acceleration profile have a key there; wheel scroll lines have none.
class GnomePointerSettings : public PointerSettings {
  public:
    static constexpr const char* kMouseSchema = "org.gnome.desktop.peripherals.mouse";

    explicit GnomePointerSettings(std::string schemaId = kMouseSchema);

    // Applies nothing, and says why, when the schema is not installed or settings would not be
    // kept: GSettings' memory backend (no settings store installed) or dconf without a session
    // bus.
    PointerSettingsOutcome Apply(const PointerSettingsRequest& request) override;

    // GNOME's speed runs from -1 to 1 with 0 as the desktop's neutral; pointer speeds 2..20 have
    // their neutral at 10, so each step is a tenth, and 20 reaches the top.
    static double SpeedFromPointerSpeed(int pointerSpeed);

  private:
    std::string schemaId_;
};

}  // namespace orvex::platform
