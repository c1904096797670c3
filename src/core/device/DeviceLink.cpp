#include "core/device/DeviceLink.h"

#include <algorithm>

#include "core/device/MouseIdentity.h"

namespace orvex {
namespace {

bool IsOrvexCommandInterface(const HidInterfaceInfo& info) {
    return info.vendorId == kOrvexVendorId && info.productId == kOrvexProductId &&
           std::find(info.topLevelUsages.begin(), info.topLevelUsages.end(),
                     kOrvexCommandCollection) != info.topLevelUsages.end();
}

}  // namespace

DeviceLink::DeviceLink(HidTransport& transport, Clock& clock)
    : transport_(transport), clock_(clock) {}

bool DeviceLink::OpenMouse() {
    CloseMouse();
    for (const HidInterfaceInfo& info : transport_.ListInterfaces()) {
        if (!IsOrvexCommandInterface(info)) {
            continue;
        }
        if (auto device = transport_.Open(info.path)) {
            device_ = std::move(device);
            devicePresent_ = true;
            return true;
        }
    }
    return false;
}

void DeviceLink::CloseMouse() {
    device_.reset();
}

bool DeviceLink::SendFeature(std::span<const std::uint8_t> report) {
    if (!device_) {
        return false;
    }
    HidError error = device_->SetFeature(report);
    if (error != HidError::None && IsRetriedWriteError(error)) {
        error = device_->SetFeature(report);
    }
    return error == HidError::None;
}

bool DeviceLink::BeginExchange() {
    if (exchangeDepth_ > 0 || !device_) {
        ++exchangeDepth_;
        return true;
    }
    if (device_->OthersWaitingForExchange()) {
        clock_.Sleep(kExchangeTurn);
    }
    if (!device_->TryLockExchange() && !WaitForExchangeLock()) {
        return false;
    }
    exchangeLocked_ = true;
    ++exchangeDepth_;
    return true;
}

bool DeviceLink::WaitForExchangeLock() {
    device_->SetWaitingForExchange(true);
    bool locked = false;
    for (Milliseconds waited{0}; !locked && waited < kExchangeWaitLimit; waited += kExchangeRetry) {
        clock_.Sleep(kExchangeRetry);
        locked = device_->TryLockExchange();
    }
    device_->SetWaitingForExchange(false);
    return locked;
}

void DeviceLink::EndExchange() {
    if (--exchangeDepth_ > 0) {
        return;
    }
    // A handle closed during the exchange took its lock with it.
    if (exchangeLocked_ && device_) {
        device_->UnlockExchange();
    }
    exchangeLocked_ = false;
}

bool DeviceLink::PollStatus(FeatureReport& report) {
    if (!device_) {
        return false;
    }
    for (int read = 1; read <= kStatusReads; ++read) {
        FeatureReport work = report;
        if (device_->GetFeature(work.bytes) != HidError::None) {
            return false;
        }
        if (work.Status() == FeatureReport::kStatusDone) {
            report = work;
            return true;
        }
        if (work.Status() == FeatureReport::kStatusBusy) {
            // A busy answer to the third read ends the poll: by then the firmware is in a long
            // flash write and the caller is better off failing than blocking the window.
            if (read == kBusyReadLimit) {
                return false;
            }
            clock_.Sleep(kBusyWait);
        }
    }
    return false;
}

}  // namespace orvex
