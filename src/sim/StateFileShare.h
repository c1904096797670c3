#pragma once

#include <filesystem>
#include <string>

#include "sim/MouseStateShare.h"

namespace orvex::sim {

// Shares the virtual mouse through a state file: every transaction loads the file into the mouse
// and, when the work changed the mouse, saves it back. A missing file means a fresh mouse and is
// created at the first change. A damaged file is reported and left as it is; the mouse then runs
// on its in-memory state.
//
// This class takes no lock (the sim layer stays free of OS calls): two processes whose
// transactions overlap can lose one of the updates. A platform-level share can wrap this one and
// hold a file lock around Transact.
class StateFileShare final : public MouseStateShare {
  public:
    explicit StateFileShare(std::filesystem::path path) : path_(std::move(path)) {}

    void Transact(VirtualMouse& mouse, const std::function<void()>& work) override;

    const std::filesystem::path& path() const { return path_; }

    // The last load or save problem; empty while everything goes well.
    const std::string& lastError() const { return lastError_; }

  private:
    std::filesystem::path path_;
    std::string lastError_;
};

}  // namespace orvex::sim
