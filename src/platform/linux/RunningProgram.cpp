#include "platform/RunningProgram.h"

#include <system_error>

namespace orvex::platform {

std::filesystem::path RunningProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program.parent_path();
}

}  // namespace orvex::platform
