#include "sim/VirtualMouse.h"

#include <algorithm>

namespace orvex::sim {
namespace {

// The firmware decodes the same command table the program sends from.
constexpr std::uint8_t kFirmwareCommand = commands::kReadFirmwareVersion.code;
constexpr std::uint8_t kActiveProfileCommand = commands::kReadActiveProfile.code;
constexpr std::uint8_t kSetActiveProfileCommand = commands::kSetActiveProfile.code;
constexpr std::uint8_t kSurfaceCommand = commands::kStartSurfaceAnalysis.code;
constexpr std::uint8_t kLiftDistanceCommand = commands::kTestLiftDistance.code;

constexpr std::uint8_t kSurfaceStart = commands::kStartSurfaceAnalysis.subCommand;
constexpr std::uint8_t kSurfaceQuality = commands::kReadSurfaceQuality.subCommand;
constexpr std::uint8_t kLiftTest = commands::kTestLiftDistance.subCommand;
constexpr std::uint8_t kLiftSave = commands::kSaveLiftDistance.subCommand;

bool IsValidLiftDistance(std::uint8_t value) {
    return value >= kMinLiftDistance && value <= kMaxLiftDistance;
}

}  // namespace

HidError VirtualMouse::SetFeature(std::span<const std::uint8_t> report) {
    if (state_.unplugged) {
        return HidError::NoDevice;
    }
    if (report.empty()) {
        return HidError::InvalidParameter;
    }
    if (const HidError fault = state_.faults.failedWrite.Fire(report[0]); fault != HidError::None) {
        return fault;
    }
    if (report[0] == kFeatureReportId && report.size() == kFeatureReportSize) {
        HandleCommand(report);
        return HidError::None;
    }
    if (report[0] == kBulkReportId && report.size() == kBulkReportSize) {
        HandleUpload(report);
        return HidError::None;
    }
    return HidError::InvalidParameter;
}

HidError VirtualMouse::GetFeature(std::span<std::uint8_t> report) {
    if (state_.unplugged) {
        return HidError::NoDevice;
    }
    if (report.empty()) {
        return HidError::InvalidParameter;
    }
    if (const HidError fault = state_.faults.failedRead.Fire(report[0]); fault != HidError::None) {
        return fault;
    }
    if (report[0] != kFeatureReportId || report.size() != kFeatureReportSize) {
        return HidError::InvalidParameter;
    }
    std::fill(report.begin(), report.end(), std::uint8_t{0});
    report[0] = kFeatureReportId;
    report[FeatureReport::kStatusByte] = StatusToRead();
    if (report[FeatureReport::kStatusByte] == FeatureReport::kStatusDone) {
        std::copy(state_.reply.begin(), state_.reply.end(),
                  report.begin() + FeatureReport::kReplyOffset);
    }
    return HidError::None;
}

std::uint8_t VirtualMouse::StatusToRead() {
    Faults& faults = state_.faults;
    if (faults.neverDone) {
        return kStatusIdle;
    }
    if (faults.busyReads > 0) {
        --faults.busyReads;
        return FeatureReport::kStatusBusy;
    }
    return state_.status;
}

void VirtualMouse::HandleCommand(std::span<const std::uint8_t> report) {
    const std::uint8_t subCommand = report[FeatureReport::kSubCommandByte];
    const std::uint8_t parameter = report[FeatureReport::kParameterByte];
    switch (report[FeatureReport::kCommandByte]) {
        case kFirmwareCommand:
            AnswerDoneWithWord(state_.firmwareVersion);
            return;
        case kActiveProfileCommand:
            AnswerDoneWithByte(state_.faults.activeProfileReply.value_or(state_.activeProfile));
            return;
        case kSetActiveProfileCommand:
            if (parameter >= kProfileCount) {
                Answer(kStatusRejected);
                return;
            }
            state_.activeProfile = parameter;
            AnswerDone();
            return;
        case kSurfaceCommand:
            if (subCommand == kSurfaceStart) {
                state_.surfaceAnalysisStarted = true;
                AnswerDone();
            } else if (subCommand == kSurfaceQuality) {
                AnswerDoneWithByte(state_.surfaceQuality);
            } else {
                Answer(kStatusRejected);
            }
            return;
        case kLiftDistanceCommand:
            if ((subCommand != kLiftTest && subCommand != kLiftSave) ||
                !IsValidLiftDistance(parameter)) {
                Answer(kStatusRejected);
                return;
            }
            (subCommand == kLiftTest ? state_.testedLiftDistance : state_.savedLiftDistance) =
                parameter;
            AnswerDone();
            return;
        default:
            Answer(kStatusRejected);
            return;
    }
}

// Each half is stored as soon as it arrives: the firmware has no notion of a pending upload, so
// a first half whose second never comes stays in the image.
void VirtualMouse::HandleUpload(std::span<const std::uint8_t> report) {
    const std::uint8_t profile = report[BulkReport::kProfileByte];
    const std::uint8_t chunk = report[BulkReport::kChunkByte];
    if (report[1] != BulkReport::kUploadCommand || profile >= kProfileCount || chunk > 1) {
        Answer(kStatusRejected);
        return;
    }
    const auto data = report.subspan(BulkReport::kDataOffset, kImageChunkSize);
    std::copy(data.begin(), data.end(), state_.images[profile].begin() + chunk * kImageChunkSize);
    AnswerDone();
}

void VirtualMouse::Answer(std::uint8_t status) {
    state_.status = status;
    state_.reply.fill(0);
}

void VirtualMouse::AnswerDoneWithByte(std::uint8_t value) {
    AnswerDone();
    state_.reply[0] = value;
}

void VirtualMouse::AnswerDoneWithWord(std::uint16_t value) {
    AnswerDone();
    state_.reply[0] = static_cast<std::uint8_t>(value & 0xFF);
    state_.reply[1] = static_cast<std::uint8_t>(value >> 8);
}

}  // namespace orvex::sim
