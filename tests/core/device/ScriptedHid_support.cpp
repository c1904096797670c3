#include <algorithm>

#include "core/device/MouseIdentity.h"
#include "core/device/ScriptedHid.h"

namespace orvex::testing {

void ScriptedDeviceScript::QueueStatuses(std::initializer_list<std::uint8_t> statuses) {
    for (std::uint8_t status : statuses) {
        FeatureReport reply = FeatureReport::StatusRequest();
        reply.bytes[FeatureReport::kStatusByte] = status;
        statusReplies.push_back(reply);
    }
}

FeatureReport ScriptedDeviceScript::Done() {
    FeatureReport reply = FeatureReport::StatusRequest();
    reply.bytes[FeatureReport::kStatusByte] = FeatureReport::kStatusDone;
    return reply;
}

bool ScriptedHidDevice::TryLockExchange() {
    if (script_->heldByOtherFor != 0) {
        script_->heldByOtherFor -= script_->heldByOtherFor > 0 ? 1 : 0;
        return false;
    }
    script_->locked = true;
    ++script_->locks;
    return true;
}

void ScriptedHidDevice::SetWaitingForExchange(bool waiting) {
    script_->waiting = waiting;
    script_->everWaited = script_->everWaited || waiting;
}

HidError ScriptedHidDevice::SetFeature(std::span<const std::uint8_t> report) {
    script_->transfersUnlocked += script_->locked ? 0 : 1;
    script_->writes.emplace_back(report.begin(), report.end());
    if (script_->writeResults.empty()) {
        return HidError::None;
    }
    const HidError result = script_->writeResults.front();
    script_->writeResults.pop_front();
    return result;
}

HidError ScriptedHidDevice::GetFeature(std::span<std::uint8_t> report) {
    ++script_->reads;
    script_->transfersUnlocked += script_->locked ? 0 : 1;
    if (script_->readError != HidError::None) {
        return script_->readError;
    }
    FeatureReport reply = ScriptedDeviceScript::Done();
    if (!script_->statusReplies.empty()) {
        reply = script_->statusReplies.front();
        script_->statusReplies.pop_front();
    }
    std::copy_n(reply.bytes.begin(), std::min(report.size(), reply.bytes.size()), report.begin());
    return HidError::None;
}

std::shared_ptr<ScriptedDeviceScript> ScriptedHidTransport::Add(HidInterfaceInfo info, bool opens) {
    auto script = std::make_shared<ScriptedDeviceScript>();
    entries_.push_back({info.path, opens, script});
    interfaces_.push_back(std::move(info));
    return script;
}

std::unique_ptr<HidDevice> ScriptedHidTransport::Open(const std::string& path) {
    for (const Entry& entry : entries_) {
        if (entry.path == path && entry.opens) {
            opened.push_back(path);
            return std::make_unique<ScriptedHidDevice>(entry.script);
        }
    }
    return nullptr;
}

void ScriptedHidTransport::Unplug() {
    interfaces_.clear();
    entries_.clear();
}

HidInterfaceInfo OrvexCommandInterface(std::string path) {
    return {std::move(path), kOrvexVendorId, kOrvexProductId, {kOrvexCommandCollection}};
}

}  // namespace orvex::testing
