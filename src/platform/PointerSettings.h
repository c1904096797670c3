#pragma once

#include <memory>
#include <optional>
#include <string>

namespace orvex::platform {

// The desktop's pointer settings that belong to a profile, in the values a profile stores.
struct PointerSettingsRequest {
    int doubleClickMs = 800;  // the double-click time in milliseconds
    int pointerSpeed = 10;    // the system pointer speed, 2..20; 10 is the desktop's neutral
    // Wheel scroll lines, 0 when the wheel scrolls by page; none leaves the desktop's wheel alone.
    std::optional<int> scrollLines = 3;
    bool scrollByPage = false;
    bool accelerationEnabled = false;
    int accelerationLevel = 1;  // 1..3, meaningful only when enabled
};

// Which of the settings a backend could apply; a desktop without a place for a setting skips it.
struct PointerSettingsOutcome {
    bool doubleClick = false;
    bool speed = false;
    bool scrollLines = false;
    bool acceleration = false;
    // Why a backend applied nothing ("no X display", ...), for the log; empty otherwise.
    std::string skipped;
};

// One line saying what was asked for and what the desktop took, for the log.
std::string DescribePointerOutcome(const PointerSettingsRequest& request,
                                   const PointerSettingsOutcome& outcome);

class PointerSettings {
  public:
    virtual ~PointerSettings() = default;
    virtual PointerSettingsOutcome Apply(const PointerSettingsRequest& request) = 0;
};

// Every backend this desktop offers, combined; applies nothing where none is available.
std::unique_ptr<PointerSettings> MakeDesktopPointerSettings();

// Applies nothing and says why: for a program that must leave the desktop alone (the virtual
// mouse's demo unless the user asks for the desktop's settings to follow it).
class UnappliedPointerSettings final : public PointerSettings {
  public:
    explicit UnappliedPointerSettings(std::string why) : why_(std::move(why)) {}
    PointerSettingsOutcome Apply(const PointerSettingsRequest&) override {
        PointerSettingsOutcome outcome;
        outcome.skipped = why_;
        return outcome;
    }

  private:
    std::string why_;
};

}  // namespace orvex::platform
