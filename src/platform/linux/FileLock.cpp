#include "platform/linux/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <cstring>

namespace orvex::platform {

FileLock::FileLock(const std::filesystem::path& path)
    : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    if (!fd_) {
        error_ = "cannot create " + path.string() + ": " + std::strerror(errno);
        return;
    }
    int result = 0;
    do {
        result = ::flock(fd_.get(), LOCK_EX);
    } while (result < 0 && errno == EINTR);
    if (result < 0) {
        error_ = "cannot lock " + path.string() + ": " + std::strerror(errno);
        return;
    }
    held_ = true;
}

std::filesystem::path FileLock::ForStateFile(const std::filesystem::path& stateFile) {
    return std::filesystem::path(stateFile.string() + ".lock");
}

}  // namespace orvex::platform
