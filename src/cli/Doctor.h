#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/linux/NodeAccessFacts.h"

namespace orvex::cli {

// Where `orvexctl doctor` looks, and as whom. Tests and chroots give a fake tree and user.
struct DoctorSystem {
    std::filesystem::path root = "/";  // sys/, dev/, run/, etc/ and lib/ are below it
    platform::UserIdentity user;
    // errno of opening a node for reading and writing; 0 when it opens.
    std::function<int(const std::filesystem::path&)> openNode;
};

// The machine as it is, seen by the user running the program.
DoctorSystem RealDoctorSystem(std::filesystem::path root = "/");

enum class CheckStatus { Ok, Problem, Skipped };

// One line of the doctor's report. `name` and `reasons` are stable words for scripts; `finding`
// and `fix` are sentences for people (`fix` is empty when there is nothing to do).
struct DoctorCheck {
    std::string name;
    CheckStatus status = CheckStatus::Skipped;
    std::string finding;
    std::string fix;
    std::vector<std::string> reasons;
};

struct DoctorReport {
    std::vector<DoctorCheck> checks;  // hidraw, mouse, collection, access, udevRule
    std::optional<std::string> node;  // the mouse's command node, "/dev/hidrawN", when found
    bool mousePresent = false;        // a node carries the mouse's ids
    bool mouseUsable = false;         // ... has the vendor collection and opens

    // 0 when the mouse is usable, 2 when it is absent, 1 otherwise.
    int ExitCode() const;
};

// Runs every check; a check whose subject an earlier one did not find is Skipped.
DoctorReport RunDoctor(const DoctorSystem& system);

}  // namespace orvex::cli
