#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "x11/XvfbServer.h"

namespace orvex::testing {
namespace {

// Xvfb compiles its keymap at start; on a loaded machine that takes a few seconds.
constexpr auto kStartTimeout = std::chrono::seconds(15);

bool IsExecutableOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/bin:/bin";
    std::size_t begin = 0;
    while (begin <= folders.size()) {
        const std::size_t end = std::min(folders.find(':', begin), folders.size());
        const std::filesystem::path candidate =
            std::filesystem::path(folders.substr(begin, end - begin)) / name;
        if (::access(candidate.c_str(), X_OK) == 0) {
            return true;
        }
        begin = end + 1;
    }
    return false;
}

// Starts Xvfb with -displayfd, which makes it pick a free display itself and write the number
// to the pipe once it accepts connections, so there is neither a race for the number nor a guess
// about when the server is ready.
pid_t SpawnXvfb(int displayFd) {
    // Everything the child needs is made before fork: only exec-safe calls may follow it.
    const std::string fdText = std::to_string(displayFd);
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid != 0) {
        return pid;
    }
    // A test program that crashes must not leave its server behind.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent) {
        ::_exit(1);
    }
    const int devNull = ::open("/dev/null", O_RDWR);
    ::dup2(devNull, STDIN_FILENO);
    ::dup2(devNull, STDOUT_FILENO);
    ::dup2(devNull, STDERR_FILENO);
    ::execlp("Xvfb", "Xvfb", "-displayfd", fdText.c_str(), "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
    ::_exit(127);
}

// The display number Xvfb wrote, or empty when it ended or stayed silent until the deadline.
std::string ReadDisplayNumber(int readFd) {
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    std::string text;
    while (text.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return {};
        }
        pollfd ready{readFd, POLLIN, 0};
        if (::poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        std::array<char, 16> buffer{};
        const ssize_t got = ::read(readFd, buffer.data(), buffer.size());
        if (got <= 0) {
            return {};
        }
        text.append(buffer.data(), static_cast<std::size_t>(got));
        if (text.size() > 32) {
            return {};
        }
    }
    text.resize(text.find('\n'));
    return text;
}

void StopProcess(pid_t pid) {
    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
}

}  // namespace

std::unique_ptr<XvfbServer> XvfbServer::Start(std::string& whyNot) {
    if (!IsExecutableOnPath("Xvfb")) {
        whyNot = "Xvfb is not installed (Debian package xvfb)";
        return nullptr;
    }
    std::array<int, 2> pipeFds{};
    if (::pipe(pipeFds.data()) != 0) {
        whyNot = "no pipe for Xvfb's display number";
        return nullptr;
    }
    ::fcntl(pipeFds[0], F_SETFD, FD_CLOEXEC);
    const pid_t pid = SpawnXvfb(pipeFds[1]);
    ::close(pipeFds[1]);
    const std::string number = pid > 0 ? ReadDisplayNumber(pipeFds[0]) : std::string();
    ::close(pipeFds[0]);
    if (number.empty()) {
        if (pid > 0) {
            StopProcess(pid);
        }
        whyNot = "Xvfb did not come up (no display number within the start timeout)";
        return nullptr;
    }
    std::optional<std::string> previous;
    if (const char* current = std::getenv("DISPLAY")) {
        previous = current;
    }
    const std::string display = ":" + number;
    ::setenv("DISPLAY", display.c_str(), 1);
    return std::unique_ptr<XvfbServer>(new XvfbServer(pid, display, previous));
}

XvfbServer::XvfbServer(pid_t pid, std::string display, std::optional<std::string> previousDisplay)
    : pid_(pid), display_(std::move(display)), previousDisplay_(std::move(previousDisplay)) {}

XvfbServer::~XvfbServer() {
    StopProcess(pid_);
    if (previousDisplay_) {
        ::setenv("DISPLAY", previousDisplay_->c_str(), 1);
    } else {
        ::unsetenv("DISPLAY");
    }
}

void XvfbTest::SetUp() {
    if (SharedXvfb() == nullptr) {
        GTEST_SKIP() << SharedXvfbSkipReason();
    }
}

}  // namespace orvex::testing
