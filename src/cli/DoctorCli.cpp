#include "cli/DoctorCli.h"

#include <cctype>
#include <string>

namespace orvex::cli {
namespace {

const char* StatusKey(CheckStatus status) {
    switch (status) {
        case CheckStatus::Ok:
            return "ok";
        case CheckStatus::Problem:
            return "problem";
        case CheckStatus::Skipped:
            return "skipped";
    }
    return "problem";
}

// The text report's first word: the JSON word in capitals, "OK", "PROBLEM" or "SKIPPED".
std::string StatusWord(CheckStatus status) {
    std::string word = StatusKey(status);
    for (char& c : word) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return word;
}

void PrintJsonReport(const DoctorReport& report, std::ostream& out) {
    nlohmann::ordered_json checks = nlohmann::ordered_json::array();
    for (const DoctorCheck& check : report.checks) {
        checks.push_back({{"check", check.name},
                          {"status", StatusKey(check.status)},
                          {"finding", check.finding},
                          {"fix", check.fix},
                          {"reasons", check.reasons}});
    }
    PrintJson(out, {{"usable", report.mouseUsable},
                    {"mousePresent", report.mousePresent},
                    {"node",
                     report.node ? nlohmann::ordered_json(*report.node) : nlohmann::ordered_json()},
                    {"checks", checks}});
}

}  // namespace

void PrintDoctorReport(const DoctorReport& report, OutputFormat format, std::ostream& out) {
    if (format == OutputFormat::Json) {
        PrintJsonReport(report, out);
        return;
    }
    for (const DoctorCheck& check : report.checks) {
        std::string word = StatusWord(check.status);
        word.resize(8, ' ');
        out << word << check.name << ": " << check.finding;
        if (!check.fix.empty()) {
            out << ". Fix: " << check.fix;
        }
        out << '\n';
    }
}

}  // namespace orvex::cli
