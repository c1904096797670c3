#include "core/buttons/KeyCapture.h"

#include "core/buttons/KeyNames.h"

namespace orvex {

std::u16string KeyCapture::KeyName() const {
    return key_ ? GetKeyName(*key_) : std::u16string();
}

}  // namespace orvex
