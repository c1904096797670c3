#include "ui/DefaultSkinSet.h"

namespace orvex::ui::testing {

SkinImageSet& DefaultSkinSet() {
    static SkinImageSet set(QStringLiteral(ORVEX_DEFAULT_SKIN_DIR));
    return set;
}

}  // namespace orvex::ui::testing
