#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/DeviceSession.h"
#include "cli/OutputFormat.h"
#include "cli/ProfileCommandsCli.h"
#include "core/log/Log.h"

// The pieces orvexctl's command line is built from, shared by the files that add its commands.
namespace orvex::cli {

inline constexpr const char* kInMemoryMouse = "@memory";

struct GlobalOptions {
    std::string simulate;  // empty: the real mouse; kInMemoryMouse: a fresh virtual one
    std::string configDir;
    bool verbose = false;
    Log* log = nullptr;  // set once the command line is parsed
};

// Everything the parser fills in, and the command it chose.
struct Arguments {
    GlobalOptions global;
    bool json = false;
    std::optional<int> activeNumber;
    int applyActive = 1;
    int liftDistance = 0;
    bool noWait = false;
    std::string profile;  // a slot number 1-5 or a profile file
    std::string jsonFile;
    std::string outProfile;
    std::string settingKey;
    std::vector<std::string> settingValues;
    bool applyAfterSet = false;
    ImageOptions image;
    std::string macroNameOrId;
    int simImage = 1;
    std::string simWhat;
    long long simValue = 0;
    int monitorCount = 0;
    double monitorSeconds = 0;
    std::string doctorRoot = "/";
    std::function<void()> run;

    OutputFormat format() const { return json ? OutputFormat::Json : OutputFormat::Text; }
};

// --json on a command that can answer in JSON.
void AddJsonFlag(CLI::App& command, Arguments& args);

// The program folder: --config-dir, or the user's; throws CliError when there is none.
std::filesystem::path ProgramFolder(const GlobalOptions& options);

// A standard stream when it is a terminal (for progress output), else null.
std::ostream* TerminalOrNull(std::ostream& stream, int fd);

// Runs a device command in a session; a virtual mouse kept in a file is saved afterwards either
// way, since a consumed one-shot fault or a half-done upload is part of its state.
void WithDevice(const GlobalOptions& options, const std::function<void(DeviceSession&)>& work);

void AddProfileCommands(CLI::App& app, Arguments& args);

}  // namespace orvex::cli
