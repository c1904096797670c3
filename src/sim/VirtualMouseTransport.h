#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/device/HidTransport.h"
#include "sim/MouseStateShare.h"
#include "sim/TransferLog.h"
#include "sim/VirtualMouse.h"

namespace orvex::sim {

// A HID system holding the virtual mouse, listed the way the real one enumerates: its pointer
// collection first, then its command collection, then a device of the same maker with another
// product id that also carries a command-like collection (discovery has to check the product id).
// Only the mouse's command collection reaches the firmware model; the other interfaces take every
// report and never answer done.
class VirtualMouseTransport final : public HidTransport {
  public:
    static constexpr const char* kPointerPath = "sim:/mouse/0";
    static constexpr const char* kCommandPath = "sim:/mouse/1";
    static constexpr const char* kOtherDevicePath = "sim:/other/0";
    static constexpr std::uint16_t kOtherProductId = 0x3B20;

    // The mouse must outlive the transport and every device it opened. With a share, each call
    // runs inside share->Transact (the share must outlive them too).
    explicit VirtualMouseTransport(VirtualMouse& mouse, MouseStateShare* share = nullptr);

    std::vector<HidInterfaceInfo> ListInterfaces() override;
    std::unique_ptr<HidDevice> Open(const std::string& path) override;

    TransferLog& log();
    const TransferLog& log() const;

    // What the devices share with the transport; opened devices keep it alive.
    struct Bus;

  private:
    std::shared_ptr<Bus> bus_;
};

}  // namespace orvex::sim
