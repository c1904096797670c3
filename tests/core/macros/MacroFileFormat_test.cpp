#include "core/macros/MacroFileFormat.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace orvex {
namespace {

using Bytes = std::vector<std::uint8_t>;

CMacro SampleMacro() {
    CMacro macro(16, u"Ab", IntRect{0, 0, 200, 199});
    CEventItem event;
    event.rect = {4, 5, 198, 23};
    event.selected = 1;
    event.serial = 1;
    event.type = kKeyEventType;
    event.code = 65;
    event.release = kEventRelease;
    event.delay = 0x01020304;
    macro.events.push_back(event);
    return macro;
}

const Bytes kSampleFile = {
    0x02, 0x00, 0x00, 0x00, 0x41, 0x00, 0x62, 0x00,  // name "Ab"
    0x10, 0x00, 0x00, 0x00,                          // id 16
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // area left, top
    0xC8, 0x00, 0x00, 0x00, 0xC7, 0x00, 0x00, 0x00,  // area right 200, bottom 199
    0x01, 0x00, 0x00, 0x00,                          // one event
    0x01, 0x41, 0x00, 0x01, 0x04, 0x03, 0x02, 0x01,  // type, code, release, delay
    0x04, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00,  // row rectangle
    0xC6, 0x00, 0x00, 0x00, 0x17, 0x00, 0x00, 0x00,  //
    0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,  // selected, serial
};

void ExpectSameMacro(const CMacro& actual, const CMacro& expected) {
    EXPECT_EQ(actual.name, expected.name);
    EXPECT_EQ(actual.id, expected.id);
    EXPECT_EQ(actual.area, expected.area);
    EXPECT_EQ(actual.events, expected.events);
}

TEST(MacroFileFormat, EncodesFieldByField) {
    EXPECT_EQ(EncodeMacroFile(SampleMacro()), kSampleFile);
}

TEST(MacroFileFormat, DecodesWhatItEncodes) {
    const auto macro = DecodeMacroFile(kSampleFile);
    ASSERT_TRUE(macro.has_value());
    ExpectSameMacro(*macro, SampleMacro());
}

TEST(MacroFileFormat, EveryShortenedFileIsRejected) {
    for (std::size_t length = 0; length < kSampleFile.size(); ++length) {
        const Bytes cut(kSampleFile.begin(), kSampleFile.begin() + static_cast<long>(length));
        EXPECT_FALSE(DecodeMacroFile(cut).has_value()) << "length " << length;
    }
}

TEST(MacroFileFormat, CountsThatPromiseMoreThanTheFileHolds) {
    Bytes hugeEvents(100, 0);  // empty name, id 0, zero area ...
    hugeEvents[24] = 0xFF;     // ... and 2^31 - 1 events
    hugeEvents[25] = 0xFF;
    hugeEvents[26] = 0xFF;
    hugeEvents[27] = 0x7F;
    EXPECT_FALSE(DecodeMacroFile(hugeEvents).has_value());

    Bytes hugeName = kSampleFile;
    hugeName[0] = 0xFE;
    hugeName[3] = 0x7F;
    EXPECT_FALSE(DecodeMacroFile(hugeName).has_value());
}

TEST(MacroFileFormat, NegativeCountsMeanNothing) {
    Bytes file(28, 0);
    file[0] = file[1] = file[2] = file[3] = 0xFF;      // name count -1: empty, only the count read
    file[4] = 0x20;                                    // id 32
    file[24] = file[25] = file[26] = file[27] = 0xFF;  // event count -1: no events
    file.push_back(0xAB);                              // bytes after the last field are ignored
    const auto macro = DecodeMacroFile(file);
    ASSERT_TRUE(macro.has_value());
    EXPECT_EQ(macro->name, u"");
    EXPECT_EQ(macro->id, 32);
    EXPECT_TRUE(macro->events.empty());
}

TEST(MacroFileFormat, ListRoundTripAndDamage) {
    const std::vector<std::u16string> paths = {u"/home/u/Macros/Macro.macro", u"C:\\M\\x.macro"};
    const Bytes list = EncodeMacroList(paths);
    EXPECT_EQ(list.size(), 4u + (4 + 2 * 26) + (4 + 2 * 12));
    EXPECT_EQ(DecodeMacroList(list), paths);

    const Bytes cutInSecond(list.begin(), list.end() - 3);
    EXPECT_EQ(DecodeMacroList(cutInSecond), std::vector<std::u16string>{paths[0]});

    Bytes hugeCount = list;
    hugeCount[0] = hugeCount[1] = hugeCount[2] = 0xFF;
    hugeCount[3] = 0x7F;
    EXPECT_EQ(DecodeMacroList(hugeCount), paths);

    Bytes negative = list;
    negative[3] = 0x80;
    EXPECT_TRUE(DecodeMacroList(negative).empty());
    EXPECT_TRUE(DecodeMacroList({}).empty());
}

}  // namespace
}  // namespace orvex
