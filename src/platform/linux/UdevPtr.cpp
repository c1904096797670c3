#include "platform/linux/UdevPtr.h"

#include <libudev.h>

namespace orvex::platform {

void UdevUnref::operator()(udev* p) const {
    udev_unref(p);
}
void UdevUnref::operator()(udev_enumerate* p) const {
    udev_enumerate_unref(p);
}
void UdevUnref::operator()(udev_device* p) const {
    udev_device_unref(p);
}
void UdevUnref::operator()(udev_monitor* p) const {
    udev_monitor_unref(p);
}

}  // namespace orvex::platform
