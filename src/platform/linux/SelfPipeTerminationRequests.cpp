#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>

#include "platform/TerminationRequests.h"
#include "platform/linux/UniqueFd.h"

namespace orvex::platform {
namespace {

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

// The pipe's write end, for the handler; -1 while nothing is caught.
std::atomic<int> handlerFd{-1};

// Runs wherever the signal interrupts the program (any thread): it only writes the signal's
// number into the pipe, which is safe there, and leaves errno as it found it.
void NoteSignal(int signal) {
    const int savedErrno = errno;
    const int fd = handlerFd.load();
    if (fd >= 0) {
        const auto byte = static_cast<unsigned char>(signal);
        // A full pipe already holds a request; nothing is lost by dropping this one.
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

// The self-pipe trick: signal handlers write into a pipe whose read end the event loop watches.
// A signalfd would need the signals blocked in every thread, and Qt starts threads of its own
// before the program could block them.
class SelfPipeTerminationRequests : public TerminationRequests {
  public:
    SelfPipeTerminationRequests(UniqueFd readEnd, UniqueFd writeEnd)
        : readEnd_(std::move(readEnd)), writeEnd_(std::move(writeEnd)) {}

    ~SelfPipeTerminationRequests() override {
        if (!caught_) {
            return;
        }
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            ::sigaction(kSignals[i], &previous_[i], nullptr);
        }
        handlerFd.store(-1);
    }

    SelfPipeTerminationRequests(const SelfPipeTerminationRequests&) = delete;
    SelfPipeTerminationRequests& operator=(const SelfPipeTerminationRequests&) = delete;

    bool Catch() {
        handlerFd.store(writeEnd_.get());
        struct sigaction action {};
        action.sa_handler = NoteSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            if (::sigaction(kSignals[i], &action, &previous_[i]) != 0) {
                for (std::size_t undo = 0; undo < i; ++undo) {
                    ::sigaction(kSignals[undo], &previous_[undo], nullptr);
                }
                handlerFd.store(-1);
                return false;
            }
        }
        caught_ = true;
        return true;
    }

    int fd() const override { return readEnd_.get(); }

    int TakePending() override {
        int last = 0;
        std::array<unsigned char, 64> bytes{};
        for (;;) {
            const ssize_t got = ::read(readEnd_.get(), bytes.data(), bytes.size());
            if (got > 0) {
                last = bytes[static_cast<std::size_t>(got) - 1];
                continue;
            }
            if (got < 0 && errno == EINTR) {
                continue;
            }
            return last;
        }
    }

  private:
    UniqueFd readEnd_;
    UniqueFd writeEnd_;
    std::array<struct sigaction, kSignals.size()> previous_{};
    bool caught_ = false;
};

}  // namespace

std::unique_ptr<TerminationRequests> CatchTerminationRequests() {
    if (handlerFd.load() >= 0) {
        return nullptr;
    }
    std::array<int, 2> ends{};
    if (::pipe2(ends.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        return nullptr;
    }
    auto requests =
        std::make_unique<SelfPipeTerminationRequests>(UniqueFd(ends[0]), UniqueFd(ends[1]));
    if (!requests->Catch()) {
        return nullptr;
    }
    return requests;
}

}  // namespace orvex::platform
