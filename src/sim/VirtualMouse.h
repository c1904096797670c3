#pragma once

#include <cstdint>
#include <span>

#include "core/device/HidTransport.h"
#include "sim/VirtualMouseState.h"

namespace orvex::sim {

// The mouse's firmware as the program sees it: it takes command and upload reports, answers
// status reads and stores what it was sent. No I/O; the transport and the state file live
// elsewhere.
class VirtualMouse {
  public:
    // Status values besides done (1) and busy (4).
    static constexpr std::uint8_t kStatusIdle = 0;
    static constexpr std::uint8_t kStatusRejected = 2;

    VirtualMouse() = default;
    explicit VirtualMouse(const VirtualMouseState& state) : state_(state) {}

    VirtualMouseState& state() { return state_; }
    const VirtualMouseState& state() const { return state_; }
    Faults& faults() { return state_.faults; }

    // A set-feature call on the command collection. A report of the wrong size or an unknown
    // report id fails as the kernel fails it (InvalidParameter); a well-formed report with an
    // unknown command or a bad argument is taken and answered by a rejected status.
    HidError SetFeature(std::span<const std::uint8_t> report);

    // A get-feature call: only the 64-byte status report can be read.
    HidError GetFeature(std::span<std::uint8_t> report);

  private:
    void HandleCommand(std::span<const std::uint8_t> report);
    void HandleUpload(std::span<const std::uint8_t> report);
    void Answer(std::uint8_t status);
    void AnswerDone() { Answer(FeatureReport::kStatusDone); }
    void AnswerDoneWithByte(std::uint8_t value);
    void AnswerDoneWithWord(std::uint16_t value);
    std::uint8_t StatusToRead();

    VirtualMouseState state_;
};

}  // namespace orvex::sim
