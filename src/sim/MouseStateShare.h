#pragma once

#include <functional>

namespace orvex::sim {

class VirtualMouse;

// Lets several processes drive one virtual mouse. The transport runs every listing, open and
// transfer inside Transact, which brings the mouse up to date first and records what the work
// changed afterwards. An implementation that shares the state between processes is also the place
// to hold a lock across both steps.
class MouseStateShare {
  public:
    virtual ~MouseStateShare() = default;

    virtual void Transact(VirtualMouse& mouse, const std::function<void()>& work) = 0;
};

}  // namespace orvex::sim
