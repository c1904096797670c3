// orvex-bench: timings of the core's hot paths, each beside its goal. scripts/bench runs it with
// the window and command-line figures; it is a measuring tool, not a test.
//   orvex-bench          every figure, one "name value unit goal" line each
//   orvex-bench waits    the protocol's own waits of an apply and of an info, in ms

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

#include "CountingClock.h"
#include "core/device/DeviceCommands.h"
#include "core/device/DeviceLink.h"
#include "core/device/VirtualClock.h"
#include "core/profiles/DeviceImage.h"
#include "core/profiles/ProfileFile.h"
#include "core/profiles/ProfileRecord.h"
#include "core/profiles/ProfileUpload.h"
#include "sim/VirtualMouse.h"
#include "sim/VirtualMouseTransport.h"

namespace orvex {
namespace {

using Wall = std::chrono::steady_clock;

using bench::CountingClock;

double Seconds(Wall::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

// The median of `runs` timings of `work`, in seconds per call.
double MedianSeconds(int runs, int callsPerRun, const std::function<void()>& work) {
    std::vector<double> timings;
    for (int run = 0; run < runs; ++run) {
        const auto start = Wall::now();
        for (int call = 0; call < callsPerRun; ++call) {
            work();
        }
        timings.push_back(Seconds(Wall::now() - start) / callsPerRun);
    }
    std::nth_element(timings.begin(), timings.begin() + runs / 2, timings.end());
    return timings[static_cast<std::size_t>(runs / 2)];
}

// What the window's Apply and `orvexctl apply` send: five images, then the active profile.
void ApplyFiveSlots(DeviceLink& link, const ProfileRecord& record) {
    for (std::uint8_t slot = 0; slot < kProfileCount; ++slot) {
        ProfileRecord slotRecord = record;
        slotRecord.slotIndex = slot;
        if (UploadProfileImage(link, slotRecord) != DeviceResult::Done) {
            std::fprintf(stderr, "orvex-bench: the virtual mouse refused slot %d\n", slot + 1);
        }
    }
    SetActiveProfile(link, 0);
}

void ReadInfo(DeviceLink& link) {
    ReadFirmwareVersion(link);
    ReadActiveProfile(link);
}

// Runs `exchange` on a fresh virtual mouse with `clock` behind the link.
void OnVirtualMouse(Clock& clock, const std::function<void(DeviceLink&)>& exchange) {
    sim::VirtualMouse mouse;
    sim::VirtualMouseTransport transport(mouse);
    DeviceLink link(transport, clock);
    if (!link.OpenMouse()) {
        std::fprintf(stderr, "orvex-bench: the virtual mouse was not found\n");
        return;
    }
    exchange(link);
}

Milliseconds ProtocolWaits(const std::function<void(DeviceLink&)>& exchange) {
    VirtualClock clock;
    OnVirtualMouse(clock, exchange);
    return clock.TotalSlept();
}

struct RealTimeRun {
    double wallSeconds = 0;
    double waitedSeconds = 0;
};

RealTimeRun OnRealClock(const std::function<void(DeviceLink&)>& exchange) {
    CountingClock clock;
    const auto start = Wall::now();
    OnVirtualMouse(clock, exchange);
    return {Seconds(Wall::now() - start), std::chrono::duration<double>(clock.waited()).count()};
}

void PrintFigure(const char* name, double value, const char* unit, const char* goal) {
    std::printf("%-34s %10.3f %-6s goal %s\n", name, value, unit, goal);
}

int PrintWaits() {
    const ProfileRecord record = MakeDefaultProfile();
    std::printf("apply %lld\n", static_cast<long long>(ProtocolWaits([&](DeviceLink& link) {
                                                           ApplyFiveSlots(link, record);
                                                       }).count()));
    std::printf("info %lld\n", static_cast<long long>(ProtocolWaits(ReadInfo).count()));
    return 0;
}

int PrintFigures() {
    const ProfileRecord record = MakeDefaultProfile();
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "orvex-bench.profile";

    const double loadSave = MedianSeconds(9, 100, [&] {
        ProfileRecord loaded;
        SaveProfile(record, file);
        LoadProfile(file, loaded);
    });
    std::filesystem::remove(file);
    PrintFigure("profile save + load", loadSave * 1e6, "us", "<= 1000 us");

    // The sink keeps the optimiser from dropping a build whose image nobody reads.
    volatile std::uint8_t sink = 0;
    const double imageBuild = MedianSeconds(9, 2000, [&] {
        const DeviceImageBuild build = BuildDeviceImage(record);
        sink = static_cast<std::uint8_t>(sink + (build.image ? (*build.image)[100] : 0));
    });
    PrintFigure("device image build", imageBuild * 1e6, "us", "<= 50 us");

    const RealTimeRun apply = OnRealClock([&](DeviceLink& link) { ApplyFiveSlots(link, record); });
    PrintFigure("apply (link): wall / waits", apply.wallSeconds / apply.waitedSeconds, "",
                "<= 1.05");

    const RealTimeRun info = OnRealClock(ReadInfo);
    PrintFigure("info (link): wall - waits", (info.wallSeconds - info.waitedSeconds) * 1e3, "ms",
                "<= 30 ms");
    return 0;
}

}  // namespace
}  // namespace orvex

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "waits") {
        return orvex::PrintWaits();
    }
    if (argc != 1) {
        std::fprintf(stderr, "usage: orvex-bench [waits]\n");
        return 2;
    }
    return orvex::PrintFigures();
}
