#include "platform/FreedMemory.h"

#include <malloc.h>

namespace orvex::platform {

void ReturnFreedMemoryToSystem() {
    // Whether anything could be returned changes nothing for the caller.
    static_cast<void>(malloc_trim(0));
}

}  // namespace orvex::platform
