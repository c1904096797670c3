#include "core/device/MouseIdentity.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvex {
namespace {

TEST(MouseIdentityTest, RecognisesTheMouseByItsDeviceName) {
    struct Case {
        std::string name;
        bool matches;
    };
    const std::vector<Case> cases = {
        {"/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:2A3C:3B19.0004/hidraw/hidraw3",
         true},
        {"/sys/devices/virtual/misc/uhid/0003:2a3c:3b19.0001/hidraw/hidraw0", true},
        {"/sys/devices/virtual/misc/uhid/0003:2a3C:3B19.0001/hidraw/hidraw0", false},
        {"/sys/devices/virtual/misc/uhid/0003:2A3C:3b19.0001/hidraw/hidraw0", true},
        {"/sys/devices/virtual/misc/uhid/0003:2A3C:3B20.0001/hidraw/hidraw0", false},
        {"/sys/devices/virtual/misc/uhid/0003:046D:3B19.0001/hidraw/hidraw0", false},
        {"2A3C:0003:0000", false},  // vendor only at the first character
        {"3B19:2A3C", false},       // product only at the first character
        {"x2A3C3B19", true},
        {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsOrvexDeviceName(c.name), c.matches) << c.name;
    }
}

}  // namespace
}  // namespace orvex
