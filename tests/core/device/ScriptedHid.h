#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "core/device/HidTransport.h"
#include "core/device/Reports.h"

namespace orvex::testing {

// The scripted side of one opened interface: queued answers for writes and status reads, and a
// log of everything the link sent, shared with the test after the link took ownership.
struct ScriptedDeviceScript {
    std::deque<HidError> writeResults;        // popped per SetFeature; None once empty
    std::deque<FeatureReport> statusReplies;  // popped per GetFeature; "done" once empty
    HidError readError = HidError::None;      // returned by every GetFeature when set

    // Another program holding the mouse: this many lock attempts fail (below zero: all of them).
    int heldByOtherFor = 0;
    bool locked = false;
    int locks = 0;
    int transfersUnlocked = 0;   // reads and writes made outside an exchange's lock
    bool othersWaiting = false;  // another program waits for the mouse
    bool waiting = false;        // the link shows it waits for the mouse
    bool everWaited = false;

    std::vector<std::vector<std::uint8_t>> writes;
    int reads = 0;

    void QueueStatuses(std::initializer_list<std::uint8_t> statuses);
    static FeatureReport Done();
};

class ScriptedHidDevice final : public HidDevice {
  public:
    explicit ScriptedHidDevice(std::shared_ptr<ScriptedDeviceScript> script)
        : script_(std::move(script)) {}

    HidError SetFeature(std::span<const std::uint8_t> report) override;
    HidError GetFeature(std::span<std::uint8_t> report) override;
    bool TryLockExchange() override;
    void UnlockExchange() override { script_->locked = false; }
    void SetWaitingForExchange(bool waiting) override;
    bool OthersWaitingForExchange() override { return script_->othersWaiting; }

  private:
    std::shared_ptr<ScriptedDeviceScript> script_;
};

// Lists the given interfaces in order; opening a path hands out that path's script.
class ScriptedHidTransport final : public HidTransport {
  public:
    // Adds an interface; its script is returned for the test to fill and inspect.
    std::shared_ptr<ScriptedDeviceScript> Add(HidInterfaceInfo info, bool opens = true);

    std::vector<HidInterfaceInfo> ListInterfaces() override { return interfaces_; }
    std::unique_ptr<HidDevice> Open(const std::string& path) override;

    // Nothing is listed or opens any more.
    void Unplug();

    std::vector<std::string> opened;

  private:
    struct Entry {
        std::string path;
        bool opens = true;
        std::shared_ptr<ScriptedDeviceScript> script;
    };
    std::vector<HidInterfaceInfo> interfaces_;
    std::vector<Entry> entries_;
};

// The mouse's command interface as the system lists it.
HidInterfaceInfo OrvexCommandInterface(std::string path = "hid:vendor");

}  // namespace orvex::testing
