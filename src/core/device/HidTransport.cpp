#include "core/device/HidTransport.h"

namespace orvex {

bool IsRetriedWriteError(HidError error) {
    switch (error) {
        case HidError::NotReady:
        case HidError::Crc:
        case HidError::WriteFault:
        case HidError::InvalidParameter:
        case HidError::FunctionFailed:
            return true;
        case HidError::None:
        case HidError::NoDevice:
        case HidError::AccessDenied:
        case HidError::Other:
            return false;
    }
    return false;
}

const char* HidErrorName(HidError error) {
    switch (error) {
        case HidError::None:
            return "none";
        case HidError::NotReady:
            return "not-ready";
        case HidError::Crc:
            return "crc";
        case HidError::WriteFault:
            return "write-fault";
        case HidError::InvalidParameter:
            return "invalid-parameter";
        case HidError::FunctionFailed:
            return "function-failed";
        case HidError::NoDevice:
            return "no-device";
        case HidError::AccessDenied:
            return "access-denied";
        case HidError::Other:
            return "other";
    }
    return "other";
}

}  // namespace orvex
