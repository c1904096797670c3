#pragma once

#include <ostream>

#include "cli/Doctor.h"
#include "cli/OutputFormat.h"

namespace orvex::cli {

// One line per check, "OK", "PROBLEM" or "SKIPPED", its name, what it found and, for a problem,
// what to do; or the report as one JSON object.
void PrintDoctorReport(const DoctorReport& report, OutputFormat format, std::ostream& out);

}  // namespace orvex::cli
