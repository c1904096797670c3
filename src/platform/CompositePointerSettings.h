#pragma once

#include <memory>
#include <vector>

#include "platform/PointerSettings.h"

namespace orvex::platform {

// Several desktop backends applied in turn; a setting counts as applied when any of them applied
// it.
class CompositePointerSettings : public PointerSettings {
  public:
    explicit CompositePointerSettings(std::vector<std::unique_ptr<PointerSettings>> backends);

    PointerSettingsOutcome Apply(const PointerSettingsRequest& request) override;

  private:
    std::vector<std::unique_ptr<PointerSettings>> backends_;
};

}  // namespace orvex::platform
