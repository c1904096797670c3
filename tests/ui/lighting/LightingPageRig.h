#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "core/profiles/ProfileRecord.h"
#include "ui/DefaultSkinSet.h"
#include "ui/TestServices.h"
#include "ui/lighting/CColorSettingsDlg.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui {
class CTavMouseStatic;
}

namespace orvex::ui::testing {

// The lighting values of a record, the only ones the page reads and writes.
struct LightingValues {
    std::int32_t zones = 0;
    std::int32_t effect = 0;
    std::uint32_t wheelColour = 0;  // zoneColours entry 0, 0x00BBGGRR
    std::uint32_t logoColour = 0;   // zoneColours entry 3
    bool operator==(const LightingValues&) const = default;
};
void PrintTo(const LightingValues& values, std::ostream* os);
LightingValues LightingOf(const ProfileRecord& record);
void PutLighting(const LightingValues& values, ProfileRecord& record);

// `count` records drawn by a seeded generator from what the page itself writes: the zone masks
// 0, 15 and Select with any of the two zones, the effects 0 ... 4 with or without the colour
// cycle, and any two colours.
std::vector<LightingValues> GeneratedLighting(std::uint32_t seed, std::size_t count);

// The lighting page alone over the test services, shown, on the default skin. Its field poll is
// stopped: tests poll when they mean to.
class LightingPageTest : public ::testing::Test {
  protected:
    void SetUp() override;

    void Click(int controlId);
    CTavMouseStatic& preview() const;
    void Load(const LightingValues& values);
    LightingValues Saved() const;

    TestServices services;
    std::unique_ptr<CColorSettingsDlg> page;
};

}  // namespace orvex::ui::testing
