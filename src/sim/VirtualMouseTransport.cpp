#include "sim/VirtualMouseTransport.h"

#include <algorithm>
#include <functional>

#include "core/device/MouseIdentity.h"

namespace orvex::sim {

struct VirtualMouseTransport::Bus {
    VirtualMouse& mouse;
    MouseStateShare* share;
    TransferLog log;

    void Run(const std::function<void()>& work) {
        if (share != nullptr) {
            share->Transact(mouse, work);
        } else {
            work();
        }
    }

    void Record(const std::string& path, TransferKind kind, std::uint8_t reportId, std::size_t size,
                HidError result) {
        log.Add({path, kind, reportId, size, result});
    }
};

namespace {

using Bus = VirtualMouseTransport::Bus;

constexpr HidUsage kPointerCollection{0x0001, 0x0002};

std::uint8_t ReportIdOf(std::span<const std::uint8_t> report) {
    return report.empty() ? std::uint8_t{0} : report[0];
}

// The mouse's command collection: every report goes to the firmware model.
class CommandDevice final : public HidDevice {
  public:
    CommandDevice(std::shared_ptr<Bus> bus, std::string path)
        : bus_(std::move(bus)), path_(std::move(path)) {}

    HidError SetFeature(std::span<const std::uint8_t> report) override {
        HidError result = HidError::None;
        bus_->Run([&] { result = bus_->mouse.SetFeature(report); });
        bus_->Record(path_, TransferKind::Write, ReportIdOf(report), report.size(), result);
        return result;
    }

    HidError GetFeature(std::span<std::uint8_t> report) override {
        const std::uint8_t reportId = ReportIdOf(report);
        HidError result = HidError::None;
        bus_->Run([&] { result = bus_->mouse.GetFeature(report); });
        bus_->Record(path_, TransferKind::Read, reportId, report.size(), result);
        return result;
    }

  private:
    std::shared_ptr<Bus> bus_;
    std::string path_;
};

// An interface that takes every report and never reports done, like a collection that does not
// speak the command protocol. One belonging to the mouse disappears with it.
class SilentDevice final : public HidDevice {
  public:
    SilentDevice(std::shared_ptr<Bus> bus, std::string path, bool partOfMouse)
        : bus_(std::move(bus)), path_(std::move(path)), partOfMouse_(partOfMouse) {}

    HidError SetFeature(std::span<const std::uint8_t> report) override {
        const HidError result = Reachable() ? HidError::None : HidError::NoDevice;
        bus_->Record(path_, TransferKind::Write, ReportIdOf(report), report.size(), result);
        return result;
    }

    HidError GetFeature(std::span<std::uint8_t> report) override {
        const std::uint8_t reportId = ReportIdOf(report);
        HidError result = HidError::NoDevice;
        if (Reachable()) {
            std::fill(report.begin(), report.end(), std::uint8_t{0});
            if (!report.empty()) {
                report[0] = reportId;
            }
            result = HidError::None;
        }
        bus_->Record(path_, TransferKind::Read, reportId, report.size(), result);
        return result;
    }

  private:
    bool Reachable() {
        bool unplugged = false;
        if (partOfMouse_) {
            bus_->Run([&] { unplugged = bus_->mouse.state().unplugged; });
        }
        return !unplugged;
    }

    std::shared_ptr<Bus> bus_;
    std::string path_;
    bool partOfMouse_;
};

}  // namespace

VirtualMouseTransport::VirtualMouseTransport(VirtualMouse& mouse, MouseStateShare* share)
    : bus_(std::make_shared<Bus>(Bus{mouse, share, {}})) {}

std::vector<HidInterfaceInfo> VirtualMouseTransport::ListInterfaces() {
    bool unplugged = false;
    bus_->Run([&] { unplugged = bus_->mouse.state().unplugged; });

    std::vector<HidInterfaceInfo> interfaces;
    if (!unplugged) {
        interfaces.push_back({kPointerPath, kOrvexVendorId, kOrvexProductId, {kPointerCollection}});
        interfaces.push_back(
            {kCommandPath, kOrvexVendorId, kOrvexProductId, {kOrvexCommandCollection}});
    }
    interfaces.push_back(
        {kOtherDevicePath, kOrvexVendorId, kOtherProductId, {kOrvexCommandCollection}});
    return interfaces;
}

std::unique_ptr<HidDevice> VirtualMouseTransport::Open(const std::string& path) {
    if (path == kOtherDevicePath) {
        return std::make_unique<SilentDevice>(bus_, path, false);
    }
    if (path != kPointerPath && path != kCommandPath) {
        return nullptr;
    }
    bool unplugged = false;
    bus_->Run([&] { unplugged = bus_->mouse.state().unplugged; });
    if (unplugged) {
        return nullptr;
    }
    if (path == kCommandPath) {
        return std::make_unique<CommandDevice>(bus_, path);
    }
    return std::make_unique<SilentDevice>(bus_, path, true);
}

TransferLog& VirtualMouseTransport::log() {
    return bus_->log;
}

const TransferLog& VirtualMouseTransport::log() const {
    return bus_->log;
}

}  // namespace orvex::sim
