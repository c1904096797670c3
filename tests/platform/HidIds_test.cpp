#include "platform/linux/HidIds.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace orvex::platform {
namespace {

TEST(HidIdsTest, ParsesTheHidIdProperty) {
    struct Case {
        std::string text;
        std::optional<HidIds> expected;
    };
    const std::vector<Case> cases = {
        {"0003:00002A3C:00003B19", HidIds{0x0003, 0x2A3C, 0x3B19}},
        {"0005:0000046d:0000b019", HidIds{0x0005, 0x046D, 0xB019}},
        {"3:2A3C:3B19", HidIds{0x0003, 0x2A3C, 0x3B19}},
        {"0003:00012A3C:00003B19", std::nullopt},   // vendor wider than 16 bits
        {"0003:000002A3C:00003B19", std::nullopt},  // more than eight digits
        {"0003:00002A3C", std::nullopt},
        {"0003:00002A3C:00003B19:0001", std::nullopt},
        {"0003::00003B19", std::nullopt},
        {"0003:00002A3C:", std::nullopt},
        {"0003:0x2A3C:00003B19", std::nullopt},
        {"0003:-0002A3C:00003B19", std::nullopt},
        {"0003:00002A3C:00003B19\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseHidId(c.text), c.expected) << c.text;
    }
}

}  // namespace
}  // namespace orvex::platform
