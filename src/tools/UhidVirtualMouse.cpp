#include "tools/UhidVirtualMouse.h"

#include "core/device/MouseIdentity.h"
#include "core/device/Reports.h"
#include "sim/VirtualMouseDescriptors.h"

namespace orvex::tools {
namespace {

constexpr const char* kDeviceName = "ORVEX SK Virtual Mouse";

platform::UhidDeviceIdentity IdentityOf(std::span<const std::uint8_t> descriptor,
                                        std::vector<platform::UhidFeatureReport> featureReports) {
    platform::UhidDeviceIdentity identity;
    identity.name = kDeviceName;
    identity.vendorId = kOrvexVendorId;
    identity.productId = kOrvexProductId;
    identity.reportDescriptor.assign(descriptor.begin(), descriptor.end());
    identity.featureReports = std::move(featureReports);
    return identity;
}

}  // namespace

UhidVirtualMouse::UhidVirtualMouse(sim::VirtualMouse& mouse, sim::MouseStateShare* share, Log log)
    : mouse_(mouse), share_(share), log_(std::move(log)), transport_(mouse, share) {}

UhidVirtualMouse::~UhidVirtualMouse() {
    Unplug();
}

bool UhidVirtualMouse::SyncPresence(std::string& error) {
    // Every transfer and Refresh load the shared state first, so the mouse in memory is current.
    const bool unplugged = mouse_.state().unplugged;
    if (unplugged && plugged()) {
        Unplug();
        log_("unplugged");
    } else if (!unplugged && !plugged()) {
        if (!Plug(error)) {
            return false;
        }
        log_("plugged in");
    }
    return true;
}

void UhidVirtualMouse::Refresh() {
    Share([] {});
}

void UhidVirtualMouse::ToggleUnplugged() {
    Share([&] { mouse_.state().unplugged = !mouse_.state().unplugged; });
}

std::vector<int> UhidVirtualMouse::fds() const {
    std::vector<int> fds;
    for (const Interface& interface : interfaces_) {
        fds.push_back(interface.device->fd());
    }
    return fds;
}

bool UhidVirtualMouse::ProcessEvent(int fd, std::string& error) {
    for (Interface& interface : interfaces_) {
        if (interface.device->fd() == fd) {
            return interface.device->ProcessEvent(error);
        }
    }
    return true;
}

bool UhidVirtualMouse::Plug(std::string& error) {
    struct Planned {
        const char* path;
        platform::UhidDeviceIdentity identity;
    };
    // The real mouse lists its pointer interface first; discovery has to pass over it.
    const Planned planned[] = {
        {sim::VirtualMouseTransport::kPointerPath, IdentityOf(sim::PointerReportDescriptor(), {})},
        {sim::VirtualMouseTransport::kCommandPath,
         IdentityOf(sim::CommandReportDescriptor(),
                    {{kFeatureReportId, kFeatureReportSize}, {kBulkReportId, kBulkReportSize}})},
    };
    for (const Planned& plan : planned) {
        Interface interface;
        interface.firmware = transport_.Open(plan.path);
        if (!interface.firmware) {
            error = "the virtual mouse refused to open " + std::string(plan.path);
            Unplug();
            return false;
        }
        interface.device = platform::UhidDevice::Create(plan.identity, *interface.firmware, error);
        if (!interface.device) {
            Unplug();
            return false;
        }
        interface.device->SetLog(log_);
        interfaces_.push_back(std::move(interface));
    }
    return true;
}

void UhidVirtualMouse::Unplug() {
    // Newest first; within an interface the kernel device goes before the firmware end it
    // answers from (member order).
    while (!interfaces_.empty()) {
        interfaces_.pop_back();
    }
}

void UhidVirtualMouse::Share(const std::function<void()>& work) {
    if (share_ != nullptr) {
        share_->Transact(mouse_, work);
    } else {
        work();
    }
}

}  // namespace orvex::tools
