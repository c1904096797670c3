#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "x11/RunCommand.h"

namespace orvex::testing {
namespace {

constexpr auto kCommandTimeout = std::chrono::seconds(10);
constexpr auto kPollInterval = std::chrono::milliseconds(5);

}  // namespace

int RunCommand(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return -1;
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) {
        return -1;
    }
    if (pid == 0) {
        const int devNull = ::open("/dev/null", O_RDWR);
        ::dup2(devNull, STDIN_FILENO);
        ::dup2(devNull, STDOUT_FILENO);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + kCommandTimeout;
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace orvex::testing
