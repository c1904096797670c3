// The virtual mouse's state file is read from disk and may have been edited by hand: any text
// must be either rejected with a message or accepted as a state that saves and reads back the
// same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sim/VirtualMouseStateText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const orvex::sim::StateParseResult parsed = orvex::sim::ParseMouseState(text);
    if (!parsed.state) {
        if (parsed.error.empty()) {
            std::abort();
        }
        return 0;
    }
    const auto again = orvex::sim::ParseMouseState(orvex::sim::FormatMouseState(*parsed.state));
    if (!again.state || !(*again.state == *parsed.state)) {
        std::abort();
    }
    return 0;
}
