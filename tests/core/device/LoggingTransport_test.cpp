#include "core/device/LoggingTransport.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/device/ScriptedHid.h"

namespace orvex {
namespace {

class RecordingLog final : public Log {
  public:
    explicit RecordingLog(bool enabled) : enabled_(enabled) {}
    bool Enabled() const override { return enabled_; }
    void Write(std::string_view area, std::string_view message) override {
        lines.push_back(std::string(area) + ": " + std::string(message));
    }
    std::vector<std::string> lines;

  private:
    bool enabled_;
};

TEST(LoggingTransport, WritesOneLinePerCallAndPassesEveryResultThrough) {
    const std::vector<std::string> expected{
        "device: list: 1 interface(s); hid:vendor 2a3c:3b19 (ff01:0002)",
        "device: open hid:gone: failed",
        "device: open hid:vendor: ok",
        "device: set report 60 on hid:vendor: 60 04 02 -> ok",
        "device: set report 60 on hid:vendor: 60 04 02 -> failed: not-ready",
        "device: get report 60 on hid:vendor: 60 01 00 -> ok",
        "device: get report 60 on hid:vendor -> failed: no-device",
    };
    for (const bool enabled : {true, false}) {
        testing::ScriptedHidTransport inner;
        const auto script = inner.Add(testing::OrvexCommandInterface());
        script->writeResults = {HidError::None, HidError::NotReady};
        RecordingLog log(enabled);
        LoggingTransport transport(inner, log);

        EXPECT_EQ(transport.ListInterfaces(), inner.ListInterfaces());
        EXPECT_EQ(transport.Open("hid:gone"), nullptr);
        const auto device = transport.Open("hid:vendor");
        ASSERT_NE(device, nullptr);
        const std::array<std::uint8_t, 3> request{0x60, 0x04, 0x02};
        EXPECT_EQ(device->SetFeature(request), HidError::None);
        EXPECT_EQ(device->SetFeature(request), HidError::NotReady);
        std::array<std::uint8_t, 3> reply{0x60};
        EXPECT_EQ(device->GetFeature(reply), HidError::None);
        EXPECT_EQ(reply, (std::array<std::uint8_t, 3>{0x60, 0x01, 0x00}));
        script->readError = HidError::NoDevice;
        EXPECT_EQ(device->GetFeature(reply), HidError::NoDevice);

        EXPECT_EQ(script->writes.size(), 2u);
        EXPECT_EQ(log.lines, enabled ? expected : std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace orvex
