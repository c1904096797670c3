#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    return orvex::cli::RunOrvexctl(argc, argv);
}
