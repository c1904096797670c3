#include "core/log/Log.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace orvex {
namespace {

std::string WrittenBy(bool enabled) {
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    StreamLog log(stream, enabled);
    log.Write("device", "set 60 01");
    LogLine(&log, "window", "apply failed");
    std::fclose(stream);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

TEST(Log, QuietWritesNothingAndEnabledWritesOneLinePerMessage) {
    EXPECT_EQ(WrittenBy(false), "");
    EXPECT_EQ(WrittenBy(true), "orvex[device] set 60 01\norvex[window] apply failed\n");
    LogLine(nullptr, "window", "no log to write to");  // must not crash
}

TEST(Log, HexBytesShowsPairsAndSummarisesTheRest) {
    const std::array<std::uint8_t, 5> bytes{0x60, 0x01, 0xAB, 0x00, 0xFF};
    EXPECT_EQ(HexBytes(bytes), "60 01 ab 00 ff");
    EXPECT_EQ(HexBytes(bytes, 2), "60 01 ... (3 more)");
    EXPECT_EQ(HexBytes({}), "");
}

TEST(Log, DebugIsRequestedOnlyByOne) {
    for (const auto& [value, requested] :
         {std::pair{"1", true}, std::pair{"0", false}, std::pair{"yes", false}}) {
        setenv("ORVEX_DEBUG", value, 1);
        EXPECT_EQ(DebugLogRequested(), requested) << value;
    }
    unsetenv("ORVEX_DEBUG");
    EXPECT_FALSE(DebugLogRequested());
}

}  // namespace
}  // namespace orvex
