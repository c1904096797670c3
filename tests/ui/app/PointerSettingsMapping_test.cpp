#include "ui/app/PointerSettingsMapping.h"

#include <gtest/gtest.h>

#include <optional>

namespace orvex::ui {
namespace {

struct MappingCase {
    const char* name;
    std::int16_t doubleClickSetting;
    std::uint8_t pointerSpeed;
    std::int32_t scrollByLines;
    std::int32_t scrollByPage;
    std::int16_t scrollLines;
    std::int32_t accelerationEnabled;
    std::int16_t accelerationLevel;
    // expected
    int doubleClickMs;
    int speed;
    std::optional<int> lines;
    bool byPage;
    bool acceleration;
};

class PointerSettingsMappingTest : public ::testing::TestWithParam<MappingCase> {};

TEST_P(PointerSettingsMappingTest, MapsTheRecordToTheDesktopsValues) {
    const MappingCase& c = GetParam();
    ProfileRecord record = MakeDefaultProfile();
    record.doubleClickSetting = c.doubleClickSetting;
    record.pointerSpeed = c.pointerSpeed;
    record.scrollByLines = c.scrollByLines;
    record.scrollByPage = c.scrollByPage;
    record.scrollLines = c.scrollLines;
    record.accelerationEnabled = c.accelerationEnabled;
    record.accelerationLevel = c.accelerationLevel;

    const platform::PointerSettingsRequest request = PointerRequestFor(record);
    EXPECT_EQ(request.doubleClickMs, c.doubleClickMs);
    EXPECT_EQ(request.pointerSpeed, c.speed);
    EXPECT_EQ(request.scrollLines, c.lines);
    EXPECT_EQ(request.scrollByPage, c.byPage);
    EXPECT_EQ(request.accelerationEnabled, c.acceleration);
    EXPECT_EQ(request.accelerationLevel, c.accelerationLevel);
}

INSTANTIATE_TEST_SUITE_P(
    Records, PointerSettingsMappingTest,
    ::testing::Values(
        MappingCase{"Defaults", 800, 5, 1, 0, 2, 0, 1, 800, 10, 2, false, false},
        MappingCase{"FastClicksSlowPointer", 1200, 1, 1, 0, 9, 0, 1, 400, 2, 9, false, false},
        MappingCase{"LinesWinOverPage", 800, 10, 1, 1, 4, 0, 1, 800, 20, 4, false, false},
        MappingCase{"ByPage", 800, 5, 0, 1, 4, 0, 1, 800, 10, 0, true, false},
        MappingCase{"NeitherLeavesTheWheelAlone", 800, 5, 0, 0, 4, 0, 1, 800, 10, std::nullopt,
                    false, false},
        MappingCase{"AccelerationLevelThree", 800, 5, 1, 0, 2, 1, 3, 800, 10, 2, false, true}),
    [](const ::testing::TestParamInfo<MappingCase>& param) { return param.param.name; });

}  // namespace
}  // namespace orvex::ui
