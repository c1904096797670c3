#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "core/device/DeviceLink.h"
#include "core/device/VirtualClock.h"
#include "sim/VirtualMouse.h"
#include "sim/VirtualMouseTransport.h"

namespace orvex::sim {

using namespace std::chrono_literals;
using Waits = std::vector<Milliseconds>;

// Names a parameterised case after its `name` field.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& param) const {
        return param.param.name;
    }
};

// The virtual mouse wired to a DeviceLink in virtual time, the way the program sees a real one.
struct VirtualMouseRig {
    VirtualMouse mouse;
    VirtualMouseTransport transport{mouse};
    VirtualClock clock;
    DeviceLink link{transport, clock};

    // Opens the mouse and forgets the open, so a test sees only its own traffic and waits.
    bool Open() {
        const bool opened = link.OpenMouse();
        transport.log().Clear();
        clock.ClearSleeps();
        return opened;
    }

    const TransferLog& log() const { return transport.log(); }
    Waits waits() const { return clock.Sleeps(); }
};

}  // namespace orvex::sim
