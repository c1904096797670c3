#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/device/HidTransport.h"
#include "platform/linux/UhidDevice.h"
#include "sim/MouseStateShare.h"
#include "sim/VirtualMouse.h"
#include "sim/VirtualMouseTransport.h"

namespace orvex::tools {

// The virtual mouse as kernel HID devices: while its state says it is plugged in, its pointer
// interface and then its command interface exist through /dev/uhid, with the mouse's ids on the
// USB bus, and the command interface's feature reports reach the firmware model. Unplugging
// removes both from the kernel, plugging in makes them afresh, as a real unplug and replug do.
class UhidVirtualMouse {
  public:
    using Log = std::function<void(std::string_view)>;

    // The mouse (and the share, if any) must outlive this object. With a share, every report and
    // every state change runs inside share->Transact.
    UhidVirtualMouse(sim::VirtualMouse& mouse, sim::MouseStateShare* share, Log log);
    ~UhidVirtualMouse();
    UhidVirtualMouse(const UhidVirtualMouse&) = delete;
    UhidVirtualMouse& operator=(const UhidVirtualMouse&) = delete;

    // Makes or removes the kernel devices so they match the state's unplugged flag. False with
    // `error` set when making them failed (no /dev/uhid, no permission).
    bool SyncPresence(std::string& error);

    // Takes in what other processes changed in the shared state (its unplugged flag above all).
    void Refresh();

    // Flips the unplugged flag (and shares it); SyncPresence then acts on it.
    void ToggleUnplugged();

    bool plugged() const { return !interfaces_.empty(); }

    // The descriptors to poll; one per kernel device.
    std::vector<int> fds() const;

    // Answers the request waiting on `fd`. False with `error` set when the device failed.
    bool ProcessEvent(int fd, std::string& error);

  private:
    struct Interface {
        std::unique_ptr<HidDevice> firmware;
        std::unique_ptr<platform::UhidDevice> device;
    };

    bool Plug(std::string& error);
    void Unplug();
    void Share(const std::function<void()>& work);

    sim::VirtualMouse& mouse_;
    sim::MouseStateShare* share_;
    Log log_;
    sim::VirtualMouseTransport transport_;
    std::vector<Interface> interfaces_;  // in creation order: pointer, then command
};

}  // namespace orvex::tools
