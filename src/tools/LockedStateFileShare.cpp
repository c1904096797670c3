#include "tools/LockedStateFileShare.h"

#include "platform/linux/FileLock.h"

namespace orvex::tools {

LockedStateFileShare::LockedStateFileShare(std::filesystem::path stateFile)
    : files_(std::move(stateFile)) {}

void LockedStateFileShare::Transact(sim::VirtualMouse& mouse, const std::function<void()>& work) {
    const platform::FileLock lock(platform::FileLock::ForStateFile(files_.path()));
    lockError_ = lock.error();
    files_.Transact(mouse, work);
}

std::string LockedStateFileShare::lastError() const {
    return lockError_.empty() ? files_.lastError() : lockError_;
}

}  // namespace orvex::tools
