#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/device/DeviceLink.h"
#include "core/device/HidTransport.h"
#include "core/device/LoggingTransport.h"
#include "core/log/Log.h"
#include "platform/linux/FileLock.h"
#include "platform/linux/HidrawTransport.h"
#include "sim/VirtualMouse.h"

namespace orvex::cli {

// Where the device commands go: the real mouse through hidraw, a fresh in-memory virtual mouse, or
// a virtual mouse kept in a state file that successive commands share.
struct DeviceTarget {
    enum class Kind { RealMouse, VirtualMouse };
    Kind kind = Kind::RealMouse;
    std::optional<std::filesystem::path> stateFile;  // only for a virtual mouse
};

// One command's link to the mouse. For a virtual mouse kept in a file, the file is locked for the
// session and written back by Finish, so a command sees and leaves one consistent mouse.
// The virtual mouse runs in virtual time (its firmware needs no settling), unless the environment
// sets ORVEX_SIM_REAL_TIME=1 to feel the real mouse's waits. When the log is enabled, every
// exchange with the mouse is written to it.
class DeviceSession {
  public:
    DeviceSession(const DeviceTarget& target, Log& log);
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    DeviceLink& link() { return *link_; }
    Log& log() { return log_; }

    // The virtual mouse, or null for the real one.
    sim::VirtualMouse* virtualMouse() { return mouse_.get(); }

    // Why the real mouse could not be opened when the system lists it: empty, or a hint for the
    // user (typically missing access rights to its hidraw node).
    std::string OpenProblemHint() const;

    // Saves the virtual mouse's state file; throws CliError when that fails.
    void Finish();

  private:
    DeviceTarget target_;
    Log& log_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<sim::VirtualMouse> mouse_;
    std::unique_ptr<HidTransport> transport_;
    platform::HidrawTransport* hidraw_ = nullptr;  // transport_ when it is the real one
    std::unique_ptr<LoggingTransport> logging_;    // around transport_ when the log is enabled
    std::unique_ptr<DeviceLink> link_;
    std::unique_ptr<platform::FileLock> lock_;
};

}  // namespace orvex::cli
