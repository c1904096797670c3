#include "cli/DeviceSession.h"

#include <cstdlib>
#include <string_view>

#include "cli/ExitCode.h"
#include "core/device/SteadyClock.h"
#include "core/device/VirtualClock.h"
#include "platform/linux/FileLock.h"
#include "sim/VirtualMouseStateFile.h"
#include "sim/VirtualMouseTransport.h"

namespace orvex::cli {
namespace {

std::unique_ptr<sim::VirtualMouse> LoadVirtualMouse(const std::filesystem::path& stateFile) {
    sim::StateLoadResult loaded = sim::LoadMouseState(stateFile);
    if (loaded.outcome == sim::StateLoadOutcome::Rejected) {
        throw CliError(ExitCode::UsageOrInput,
                       "virtual mouse state " + stateFile.string() + ": " + loaded.error);
    }
    return std::make_unique<sim::VirtualMouse>(loaded.state);
}

bool WantsRealTime() {
    const char* value = std::getenv("ORVEX_SIM_REAL_TIME");
    return value && std::string_view(value) == "1";
}

}  // namespace

DeviceSession::DeviceSession(const DeviceTarget& target, Log& log) : target_(target), log_(log) {
    if (target.kind == DeviceTarget::Kind::RealMouse) {
        clock_ = std::make_unique<SteadyClock>();
        auto hidraw = std::make_unique<platform::HidrawTransport>();
        hidraw_ = hidraw.get();
        transport_ = std::move(hidraw);
    } else {
        clock_ = WantsRealTime() ? std::unique_ptr<Clock>(std::make_unique<SteadyClock>())
                                 : std::make_unique<VirtualClock>();
        if (target.stateFile) {
            // Commands sharing one state file each hold its lock from load to save.
            lock_ = std::make_unique<platform::FileLock>(
                platform::FileLock::ForStateFile(*target.stateFile));
            if (!lock_->held()) {
                throw CliError(ExitCode::UsageOrInput, lock_->error());
            }
            mouse_ = LoadVirtualMouse(*target.stateFile);
        } else {
            mouse_ = std::make_unique<sim::VirtualMouse>();
        }
        transport_ = std::make_unique<sim::VirtualMouseTransport>(*mouse_);
    }
    HidTransport* linked = transport_.get();
    if (log.Enabled()) {
        logging_ = std::make_unique<LoggingTransport>(*transport_, log);
        linked = logging_.get();
    }
    link_ = std::make_unique<DeviceLink>(*linked, *clock_);
}

DeviceSession::~DeviceSession() {
    link_.reset();
}

std::string DeviceSession::OpenProblemHint() const {
    if (!hidraw_ || hidraw_->LastOpenError() != HidError::AccessDenied) {
        return {};
    }
    return "the mouse is plugged in but its hidraw node is not accessible to you; "
           "orvexctl doctor says why and what to do";
}

void DeviceSession::Finish() {
    if (!mouse_ || !target_.stateFile) {
        return;
    }
    const sim::StateSaveResult saved = sim::SaveMouseState(*target_.stateFile, mouse_->state());
    if (!saved.ok) {
        throw CliError(ExitCode::UsageOrInput, "saving the virtual mouse failed: " + saved.error);
    }
}

}  // namespace orvex::cli
