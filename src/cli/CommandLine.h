#pragma once

namespace orvex::cli {

// Parses the command line, runs the command and returns the process exit code.
int RunOrvexctl(int argc, char** argv);

}  // namespace orvex::cli
