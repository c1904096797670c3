#include "core/macros/MacroListObserver.h"

namespace orvex {

MacroListObserver& SilentMacroListObserver() {
    static MacroListObserver silent;
    return silent;
}

}  // namespace orvex
