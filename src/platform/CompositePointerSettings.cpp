#include "platform/CompositePointerSettings.h"

namespace orvex::platform {

CompositePointerSettings::CompositePointerSettings(
    std::vector<std::unique_ptr<PointerSettings>> backends)
    : backends_(std::move(backends)) {}

PointerSettingsOutcome CompositePointerSettings::Apply(const PointerSettingsRequest& request) {
    PointerSettingsOutcome merged;
    for (const auto& backend : backends_) {
        const PointerSettingsOutcome outcome = backend->Apply(request);
        merged.doubleClick = merged.doubleClick || outcome.doubleClick;
        merged.speed = merged.speed || outcome.speed;
        merged.scrollLines = merged.scrollLines || outcome.scrollLines;
        merged.acceleration = merged.acceleration || outcome.acceleration;
        if (!outcome.skipped.empty()) {
            merged.skipped += (merged.skipped.empty() ? "" : "; ") + outcome.skipped;
        }
    }
    return merged;
}

}  // namespace orvex::platform
