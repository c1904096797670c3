#pragma once

#include "core/device/HidTransport.h"

namespace orvex::platform {

// The error class of a failed hidraw ioctl, so the link can tell transient firmware hiccups
// (retried once) from a device that is gone.
HidError HidErrorFromErrno(int error);

}  // namespace orvex::platform
