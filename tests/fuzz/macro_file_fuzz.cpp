// A ".macro" file comes from the user's folder and may be damaged or foreign: any bytes must be
// either rejected or read as a macro that saves and reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/macros/MacroFileFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto macro = orvex::DecodeMacroFile(std::span<const std::uint8_t>(data, size));
    if (!macro) {
        return 0;
    }
    const auto bytes = orvex::EncodeMacroFile(*macro);
    const auto again = orvex::DecodeMacroFile(bytes);
    if (!again || again->name != macro->name || again->id != macro->id ||
        again->area != macro->area || again->events != macro->events) {
        std::abort();
    }
    if (orvex::EncodeMacroFile(*again) != bytes) {
        std::abort();
    }
    return 0;
}
