#pragma once

#include <filesystem>
#include <string>

#include "platform/linux/UniqueFd.h"

namespace orvex::platform {

// An exclusive flock on a lock file (created when missing), held until the object goes. Processes
// sharing a virtual mouse's state file serialise on STATE_FILE + ".lock" this way.
class FileLock {
  public:
    // Blocks until the lock is ours. On failure held() is false and error() says why.
    explicit FileLock(const std::filesystem::path& path);

    bool held() const { return held_; }
    const std::string& error() const { return error_; }

    // The lock file that guards a state file.
    static std::filesystem::path ForStateFile(const std::filesystem::path& stateFile);

  private:
    UniqueFd fd_;
    bool held_ = false;
    std::string error_;
};

}  // namespace orvex::platform
