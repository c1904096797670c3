// The desktop's pointer settings on Linux. Wheel scroll lines have no desktop-wide setting here
// (applications choose their own), so no backend applies them.
#include "platform/CompositePointerSettings.h"
#include "platform/linux/GnomePointerSettings.h"
#include "platform/linux/X11PointerSettings.h"

namespace orvex::platform {

std::unique_ptr<PointerSettings> MakeDesktopPointerSettings() {
    std::vector<std::unique_ptr<PointerSettings>> backends;
    backends.push_back(std::make_unique<GnomePointerSettings>());
    backends.push_back(std::make_unique<X11PointerSettings>());
    return std::make_unique<CompositePointerSettings>(std::move(backends));
}

}  // namespace orvex::platform
