// A profile file may come from anywhere (import picks any file). Any bytes must either be rejected
// with the record left exactly as it was, or load into a record that saves and loads back the same
// and packs into a device image without running past it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/profiles/DeviceImage.h"
#include "core/profiles/ProfileFormat.h"

namespace {

orvex::ProfileRecord Sentinel() {
    orvex::ProfileRecord record;
    record.name = u"sentinel";
    record.liftDistance = 99;
    record.buttonMacros[4].id = 1234;
    record.buttonMacros[4].AppendEvent({1, 65, 0, 7});
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const orvex::ProfileRecord kSentinel = Sentinel();
    orvex::ProfileRecord record = kSentinel;
    const auto status = orvex::ReadProfileBytes(std::span<const std::uint8_t>(data, size), record);
    if (status != orvex::ProfileLoadStatus::Loaded) {
        if (!(record == kSentinel)) {
            std::abort();
        }
        return 0;
    }
    const auto bytes = orvex::ProfileFileBytes(record);
    orvex::ProfileRecord again = kSentinel;
    if (orvex::ReadProfileBytes(bytes, again) != orvex::ProfileLoadStatus::Loaded ||
        !(again == record) || orvex::ProfileFileBytes(again) != bytes) {
        std::abort();
    }
    const auto build = orvex::BuildDeviceImage(record);
    if (build.refused() != (build.totalMacroEvents > orvex::kMaxImageMacroEvents)) {
        std::abort();
    }
    return 0;
}
