// Runs one scenario's save and, when given a kill point, ends with SIGKILL there (KillPoints.h).
// Usage: orvex-save-kill-driver ROOT SCENARIO KILL_POINT (0: none); prints the calls counted.
#include <cstdio>
#include <cstdlib>

#include "kills/SaveScenarios.h"
#include "kills/driver/KillPoints.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s ROOT SCENARIO KILL_POINT\n", argv[0]);
        return 2;
    }
    const orvex::kills::SaveLayout layout(argv[1]);
    const auto scenario = static_cast<orvex::kills::SaveScenario>(std::atoi(argv[2]));
    orvex::kills::ArmKillPoint(std::atol(argv[3]));
    const bool saved = orvex::kills::SaveAfter(scenario, layout);
    const long calls = orvex::kills::StopCounting();
    std::printf("%ld\n", calls);
    return saved ? 0 : 1;
}
