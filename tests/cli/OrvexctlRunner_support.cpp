#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

#include "cli/OrvexctlRunner.h"

namespace orvex::testing {
namespace {

std::string Quote(const std::string& argument) {
    std::string quoted = "'";
    for (char c : argument) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

}  // namespace

CommandOutput RunOrvexctlBinary(const std::vector<std::string>& arguments,
                                const std::vector<std::string>& environment) {
    TempFolder capture;
    std::string command = "env -u ORVEX_DEBUG";
    for (const std::string& assignment : environment) {
        command += " " + Quote(assignment);
    }
    command += " " + Quote(ORVEXCTL_PATH);
    for (const std::string& argument : arguments) {
        command += " " + Quote(argument);
    }
    command += " >" + Quote((capture / "out").string()) + " 2>" +
               Quote((capture / "err").string()) + " </dev/null";
    const int status = std::system(command.c_str());
    CommandOutput output;
    output.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    output.out = ReadBinaryFile(capture / "out");
    output.err = ReadBinaryFile(capture / "err");
    return output;
}

TempFolder::TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("orvexctl-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadBinaryFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteTextFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace orvex::testing
