// orvex-virtual-mouse: the virtual ORVEX SK as kernel HID devices, so the real hidraw backend
// (orvexctl without --simulate, the window) finds it. Needs /dev/uhid (modprobe uhid) and the
// right to open it.

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orvex/BuildInfo.h"
#include "platform/linux/UniqueFd.h"
#include "sim/VirtualMouse.h"
#include "tools/LockedStateFileShare.h"
#include "tools/UhidVirtualMouse.h"

namespace {

using orvex::platform::UniqueFd;
using orvex::tools::LockedStateFileShare;
using orvex::tools::UhidVirtualMouse;

// How often a shared state file is read for changes made by other processes (an unplug above
// all) while the kernel asks nothing.
constexpr std::chrono::milliseconds kRefreshInterval{200};

constexpr const char* kUsage =
    "usage: orvex-virtual-mouse [--state STATE_FILE] | --help | --version\n"
    "\n"
    "Plugs the virtual ORVEX SK mouse into the kernel through /dev/uhid (its pointer interface,\n"
    "then its command interface) and answers its reports until SIGINT or SIGTERM.\n"
    "\n"
    "  --state STATE_FILE  share the mouse with orvexctl --simulate=STATE_FILE: the file is\n"
    "                      locked, read before and saved after every report; setting its\n"
    "                      'unplugged' flag (orvexctl --simulate=STATE_FILE sim set unplugged 1)\n"
    "                      unplugs the mouse, clearing it plugs it in again\n"
    "\n"
    "SIGUSR1 unplugs the mouse, or plugs it in again.\n";

void Say(std::string_view line) {
    std::cout << "orvex-virtual-mouse: " << line << std::endl;
}

struct Options {
    std::optional<std::string> stateFile;
};

// Nothing when the arguments are wrong (the usage has been printed) or help was asked for.
std::optional<Options> ParseArguments(int argc, char** argv, int& exitCode) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--help" || argument == "-h") {
            std::cout << kUsage;
            exitCode = 0;
            return std::nullopt;
        }
        if (argument == "--version") {
            std::cout << "orvex-virtual-mouse " << orvex::kReleaseVersion << '\n';
            exitCode = 0;
            return std::nullopt;
        }
        if (argument == "--state" && i + 1 < argc) {
            options.stateFile = argv[++i];
        } else if (argument.starts_with("--state=")) {
            options.stateFile = std::string(argument.substr(std::strlen("--state=")));
        } else {
            std::cerr << kUsage;
            exitCode = 1;
            return std::nullopt;
        }
    }
    if (options.stateFile && options.stateFile->empty()) {
        std::cerr << kUsage;
        exitCode = 1;
        return std::nullopt;
    }
    return options;
}

// The stop and toggle signals arrive as readable data instead of interrupting the loop.
UniqueFd WatchSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signal : {SIGINT, SIGTERM, SIGUSR1}) {
        sigaddset(&signals, signal);
    }
    if (::sigprocmask(SIG_BLOCK, &signals, nullptr) < 0) {
        return UniqueFd();
    }
    return UniqueFd(::signalfd(-1, &signals, SFD_CLOEXEC | SFD_NONBLOCK));
}

enum class SignalAction { None, Stop, Toggle };

SignalAction ReadSignal(int signalFd) {
    signalfd_siginfo info{};
    if (::read(signalFd, &info, sizeof info) != static_cast<ssize_t>(sizeof info)) {
        return SignalAction::None;
    }
    return info.ssi_signo == SIGUSR1 ? SignalAction::Toggle : SignalAction::Stop;
}

class ShareErrorReporter {
  public:
    explicit ShareErrorReporter(const LockedStateFileShare* share) : share_(share) {}

    void Report() {
        if (share_ == nullptr || share_->lastError() == shown_) {
            return;
        }
        shown_ = share_->lastError();
        Say(shown_.empty() ? "state file readable again" : "state file: " + shown_);
    }

  private:
    const LockedStateFileShare* share_;
    std::string shown_;
};

int Run(const Options& options) {
    const UniqueFd signalFd = WatchSignals();
    if (!signalFd) {
        std::cerr << "orvex-virtual-mouse: cannot watch signals: " << std::strerror(errno) << '\n';
        return 1;
    }
    orvex::sim::VirtualMouse mouse;
    std::unique_ptr<LockedStateFileShare> share;
    if (options.stateFile) {
        share = std::make_unique<LockedStateFileShare>(*options.stateFile);
    }
    ShareErrorReporter shareErrors(share.get());
    UhidVirtualMouse uhid(mouse, share.get(), Say);
    uhid.Refresh();

    using SteadyClock = std::chrono::steady_clock;
    auto nextRefresh = SteadyClock::now();
    for (;;) {
        std::string error;
        if (!uhid.SyncPresence(error)) {
            std::cerr << "orvex-virtual-mouse: " << error
                      << " (is the uhid module loaded, and may you open /dev/uhid?)\n";
            return 1;
        }
        shareErrors.Report();

        std::vector<pollfd> watched{{signalFd.get(), POLLIN, 0}};
        for (const int fd : uhid.fds()) {
            watched.push_back({fd, POLLIN, 0});
        }
        const int timeout = share ? static_cast<int>(kRefreshInterval.count()) : -1;
        if (::poll(watched.data(), watched.size(), timeout) < 0 && errno != EINTR) {
            std::cerr << "orvex-virtual-mouse: poll: " << std::strerror(errno) << '\n';
            return 1;
        }
        if (watched[0].revents & POLLIN) {
            const SignalAction action = ReadSignal(signalFd.get());
            if (action == SignalAction::Stop) {
                Say("stopped");
                return 0;
            }
            if (action == SignalAction::Toggle) {
                uhid.ToggleUnplugged();
            }
        }
        for (std::size_t i = 1; i < watched.size(); ++i) {
            if (watched[i].revents != 0 && !uhid.ProcessEvent(watched[i].fd, error)) {
                std::cerr << "orvex-virtual-mouse: " << error << '\n';
                return 1;
            }
        }
        if (share && SteadyClock::now() >= nextRefresh) {
            uhid.Refresh();
            nextRefresh = SteadyClock::now() + kRefreshInterval;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    int exitCode = 0;
    const auto options = ParseArguments(argc, argv, exitCode);
    if (!options) {
        return exitCode;
    }
    return Run(*options);
}
