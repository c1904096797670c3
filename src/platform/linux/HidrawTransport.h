#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/device/HidTransport.h"

namespace orvex::platform {

// HID interfaces as Linux hidraw nodes, listed through libudev. One node carries every collection
// of a USB interface, so an interface lists all its top-level usages.
class HidrawTransport : public HidTransport {
  public:
    // Every hidraw node in the order libudev lists them. Ids and collections come from the node
    // itself; when we may not open it, from sysfs, so a mouse we lack permission for is still
    // listed and Open can say why it fails.
    std::vector<HidInterfaceInfo> ListInterfaces() override;

    // Null when the node cannot be opened read-write or is not a hidraw node; LastOpenError then
    // says why (AccessDenied, NoDevice, ...).
    std::unique_ptr<HidDevice> Open(const std::string& path) override;

    HidError LastOpenError() const { return lastOpenError_; }

  private:
    HidError lastOpenError_ = HidError::None;
};

}  // namespace orvex::platform
