#pragma once

#include <stdexcept>
#include <string>

namespace orvex::cli {

enum class ExitCode : int {
    Success = 0,
    UsageOrInput = 1,
    MouseNotFound = 2,
    DeviceFailed = 3,
    Refused = 4,
};

// Ends a command with a one-line message on standard error and the given exit code.
class CliError : public std::runtime_error {
  public:
    CliError(ExitCode code, const std::string& message)
        : std::runtime_error(message), code_(code) {}
    ExitCode code() const { return code_; }

  private:
    ExitCode code_;
};

}  // namespace orvex::cli
