#include "platform/CompositePointerSettings.h"

#include <gtest/gtest.h>

namespace orvex::platform {
namespace {

class FixedOutcome : public PointerSettings {
  public:
    FixedOutcome(PointerSettingsOutcome outcome, int& calls) : outcome_(outcome), calls_(calls) {}
    PointerSettingsOutcome Apply(const PointerSettingsRequest&) override {
        ++calls_;
        return outcome_;
    }

  private:
    PointerSettingsOutcome outcome_;
    int& calls_;
};

TEST(CompositePointerSettings, AppliesEveryBackendAndCountsASettingAppliedByAnyOfThem) {
    int calls = 0;
    std::vector<std::unique_ptr<PointerSettings>> backends;
    backends.push_back(std::make_unique<FixedOutcome>(
        PointerSettingsOutcome{true, true, false, true, "X11: no X display"}, calls));
    backends.push_back(std::make_unique<FixedOutcome>(
        PointerSettingsOutcome{false, false, false, true, "GNOME: no settings store"}, calls));
    CompositePointerSettings composite(std::move(backends));

    const PointerSettingsOutcome outcome = composite.Apply({});

    EXPECT_EQ(calls, 2);
    EXPECT_TRUE(outcome.doubleClick);
    EXPECT_TRUE(outcome.speed);
    EXPECT_FALSE(outcome.scrollLines);
    EXPECT_TRUE(outcome.acceleration);
    // Why each backend skipped reaches the log together.
    EXPECT_EQ(outcome.skipped, "X11: no X display; GNOME: no settings store");
}

}  // namespace
}  // namespace orvex::platform
