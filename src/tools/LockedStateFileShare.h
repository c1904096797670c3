#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "sim/MouseStateShare.h"
#include "sim/StateFileShare.h"

namespace orvex::tools {

// Shares the virtual mouse through its state file like StateFileShare, holding the state file's
// lock (STATE_FILE + ".lock", the one orvexctl --simulate=STATE_FILE holds for a whole command)
// from the load to the save, so no update of another process is lost.
class LockedStateFileShare final : public sim::MouseStateShare {
  public:
    explicit LockedStateFileShare(std::filesystem::path stateFile);

    // When the lock cannot be had the transaction still runs, unlocked, and lastError says why:
    // the mouse keeps answering rather than failing every report.
    void Transact(sim::VirtualMouse& mouse, const std::function<void()>& work) override;

    // The last lock, load or save problem; empty while everything goes well.
    std::string lastError() const;

    const std::filesystem::path& path() const { return files_.path(); }

  private:
    sim::StateFileShare files_;
    std::string lockError_;
};

}  // namespace orvex::tools
