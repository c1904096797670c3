#include "platform/linux/HidErrno.h"

#include <cerrno>

namespace orvex::platform {

HidError HidErrorFromErrno(int error) {
    switch (error) {
        case 0:
            return HidError::None;
        case EAGAIN:
        case EBUSY:
            return HidError::NotReady;
        case EPROTO:
        case EILSEQ:
            return HidError::Crc;
        case EIO:
            return HidError::WriteFault;
        case EINVAL:
            return HidError::InvalidParameter;
        case EPIPE:
        case ETIMEDOUT:
            return HidError::FunctionFailed;
        case ENODEV:
        case ENXIO:
        case ESHUTDOWN:
        case ENOENT:
        case EBADF:
            return HidError::NoDevice;
        case EACCES:
        case EPERM:
            return HidError::AccessDenied;
        default:
            return HidError::Other;
    }
}

}  // namespace orvex::platform
