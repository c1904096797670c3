#include "sim/StateFileShare.h"

#include "sim/VirtualMouse.h"
#include "sim/VirtualMouseStateFile.h"

namespace orvex::sim {

void StateFileShare::Transact(VirtualMouse& mouse, const std::function<void()>& work) {
    StateLoadResult loaded = LoadMouseState(path_);
    switch (loaded.outcome) {
        case StateLoadOutcome::Loaded:
            mouse.state() = loaded.state;
            lastError_.clear();
            break;
        case StateLoadOutcome::Missing:
            lastError_.clear();
            break;
        case StateLoadOutcome::Rejected:
            lastError_ = loaded.error;
            break;
    }

    const VirtualMouseState before = mouse.state();
    work();
    if (loaded.outcome == StateLoadOutcome::Rejected || mouse.state() == before) {
        return;
    }
    const StateSaveResult saved = SaveMouseState(path_, mouse.state());
    if (!saved.ok) {
        lastError_ = saved.error;
    }
}

}  // namespace orvex::sim
