#pragma once

#include <memory>

// Forward declarations keep <libudev.h> out of the headers the user interface includes.
struct udev;
struct udev_enumerate;
struct udev_device;
struct udev_monitor;

namespace orvex::platform {

// libudev objects are reference counted; each owner here holds one reference and drops it once.
struct UdevUnref {
    void operator()(udev* p) const;
    void operator()(udev_enumerate* p) const;
    void operator()(udev_device* p) const;
    void operator()(udev_monitor* p) const;
};

using UdevPtr = std::unique_ptr<udev, UdevUnref>;
using UdevEnumeratePtr = std::unique_ptr<udev_enumerate, UdevUnref>;
using UdevDevicePtr = std::unique_ptr<udev_device, UdevUnref>;
using UdevMonitorPtr = std::unique_ptr<udev_monitor, UdevUnref>;

}  // namespace orvex::platform
