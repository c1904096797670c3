#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/device/HidTransport.h"

namespace orvex::sim {

enum class TransferKind { Write, Read };

// One set-feature or get-feature call as a device of the virtual transport saw it.
struct Transfer {
    std::string path;
    TransferKind kind = TransferKind::Write;
    std::uint8_t reportId = 0;  // 0 when the buffer was empty
    std::size_t size = 0;
    HidError result = HidError::None;
};

// Every transfer made through the virtual transport's devices, failed attempts included, so a
// test can count the writes and reads an exchange made.
class TransferLog {
  public:
    void Add(Transfer transfer) {
        transfers_.push_back(std::move(transfer));
        if (afterEach) {
            afterEach(transfers_.back());
        }
    }
    void Clear() { transfers_.clear(); }

    const std::vector<Transfer>& transfers() const { return transfers_; }
    std::size_t Count(TransferKind kind, std::uint8_t reportId) const;
    std::size_t Writes(std::uint8_t reportId) const { return Count(TransferKind::Write, reportId); }
    std::size_t Reads(std::uint8_t reportId) const { return Count(TransferKind::Read, reportId); }

    // Called after each transfer is logged, so a test can change the mouse between two of them
    // (unplug it between two profile images, say).
    std::function<void(const Transfer&)> afterEach;

  private:
    std::vector<Transfer> transfers_;
};

}  // namespace orvex::sim
