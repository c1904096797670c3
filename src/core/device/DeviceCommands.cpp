#include "core/device/DeviceCommands.h"

#include <algorithm>
#include <cstdio>

namespace orvex {
namespace {

DeviceResult ResultOf(const std::optional<FeatureReport>& reply) {
    return reply ? DeviceResult::Done : DeviceResult::Failed;
}

}  // namespace

std::optional<FeatureReport> CommandExchange(DeviceLink& link, const DeviceCommand& command,
                                             std::uint8_t parameter) {
    const DeviceLink::Exchange exchange(link);
    if (!exchange.held()) {
        return std::nullopt;
    }
    const FeatureReport request =
        FeatureReport::Command(command.code, command.subCommand, parameter);
    const bool sent = link.SendFeature(request.bytes);
    if (sent || command.waitRule == WaitRule::AlsoAfterFailedWrite) {
        link.clock().Sleep(command.wait);
    }
    if (!sent) {
        return std::nullopt;
    }
    FeatureReport status = FeatureReport::StatusRequest();
    if (!link.PollStatus(status)) {
        return std::nullopt;
    }
    return status;
}

DeviceReply<std::uint16_t> ReadFirmwareVersion(DeviceLink& link) {
    const auto reply = CommandExchange(link, commands::kReadFirmwareVersion);
    if (!reply) {
        return {};
    }
    return {DeviceResult::Done, reply->ReplyWord(0)};
}

DeviceReply<std::uint8_t> ReadActiveProfile(DeviceLink& link) {
    const auto reply = CommandExchange(link, commands::kReadActiveProfile);
    if (!reply || reply->ReplyByte(0) >= kProfileCount) {
        return {};
    }
    return {DeviceResult::Done, reply->ReplyByte(0)};
}

DeviceResult SetActiveProfile(DeviceLink& link, std::uint8_t profile) {
    return ResultOf(CommandExchange(link, commands::kSetActiveProfile, profile));
}

DeviceResult StartSurfaceAnalysis(DeviceLink& link) {
    return ResultOf(CommandExchange(link, commands::kStartSurfaceAnalysis));
}

DeviceReply<std::uint8_t> ReadSurfaceQuality(DeviceLink& link) {
    const auto reply = CommandExchange(link, commands::kReadSurfaceQuality);
    if (!reply) {
        return {};
    }
    return {DeviceResult::Done, reply->ReplyByte(0)};
}

DeviceResult TestLiftDistance(DeviceLink& link, std::uint8_t liftDistance) {
    return ResultOf(CommandExchange(link, commands::kTestLiftDistance, liftDistance));
}

DeviceResult SaveLiftDistance(DeviceLink& link, std::uint8_t liftDistance) {
    return ResultOf(CommandExchange(link, commands::kSaveLiftDistance, liftDistance));
}

std::uint8_t ClampLiftDistance(int value) {
    return static_cast<std::uint8_t>(std::clamp<int>(value, kMinLiftDistance, kMaxLiftDistance));
}

std::string FormatFirmwareVersion(std::uint16_t versionWord) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", versionWord / 100.0);
    return text;
}

}  // namespace orvex
