#include "core/macros/MacroRecorder.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace orvex {
namespace {

using namespace std::chrono_literals;

struct Key {
    int virtualKey;
    bool release;
    Milliseconds at;
};

constexpr int kA = 'A';
constexpr int kB = 'B';
constexpr int kC = 'C';
constexpr int kCtrl = 162;

struct RecordCase {
    const char* what;
    MacroRecorder::Options options;
    std::vector<Key> keys;  // recording starts at 1000 ms
    std::vector<RecordedKey> recorded;
};

std::vector<RecordedKey> Record(MacroRecorder& recorder, MacroRecorder::Options options,
                                const std::vector<Key>& keys) {
    std::vector<RecordedKey> recorded;
    for (const Key& key : keys) {
        if (auto event = recorder.KeyCaptured(key.virtualKey, key.release, key.at, options)) {
            recorded.push_back(*event);
        }
    }
    return recorded;
}

TEST(MacroRecorder, WhatIsRecorded) {
    const std::vector<Key> typedAB{
        {kA, false, 1100ms}, {kA, true, 1180ms}, {kB, false, 1400ms}, {kB, true, 1450ms}};
    const RecordCase cases[] = {
        {"A and B with Record Delay",
         {true, false},
         typedAB,
         {{kA, 0, 100}, {kA, 1, 80}, {kB, 0, 220}, {kB, 1, 50}}},
        {"A and B without",
         {false, false},
         typedAB,
         {{kA, 0, 0}, {kA, 1, 0}, {kB, 0, 0}, {kB, 1, 0}}},
        {"Ctrl+C with Record Hold",
         {false, true},
         {{kCtrl, false, 1010ms}, {kC, false, 1020ms}, {kC, true, 1030ms}, {kCtrl, true, 1040ms}},
         {{kCtrl, 0, 0}, {kC, 0, 0}}},
        {"a held key: its auto-repeats are dropped, every message restarts the delay",
         {true, false},
         {{kA, false, 1100ms}, {kA, false, 1600ms}, {kA, false, 1633ms}, {kA, true, 1650ms}},
         {{kA, 0, 100}, {kA, 1, 17}}},
    };
    for (const RecordCase& c : cases) {
        MacroRecorder recorder;
        recorder.Start(1000ms);
        EXPECT_EQ(Record(recorder, c.options, c.keys), c.recorded) << c.what;
    }
}

TEST(MacroRecorder, TheLastKeyOfARecordingIsRememberedIntoTheNext) {
    MacroRecorder recorder;
    recorder.Start(0ms);
    Record(recorder, {}, {{kA, false, 10ms}, {kA, true, 20ms}});
    recorder.Start(5000ms);
    EXPECT_EQ(Record(recorder, {}, {{kA, true, 5010ms}, {kB, false, 5020ms}}),
              (std::vector<RecordedKey>{{kB, 0, 0}}));
}

TEST(MacroRecorder, DelaysCountAcrossTheTickCountsWrap) {
    MacroRecorder recorder;
    recorder.Start(Milliseconds(0xFFFFFFF0LL));
    EXPECT_EQ(recorder.KeyCaptured(kA, false, Milliseconds(0x100000010LL), {true, false}),
              (RecordedKey{kA, 0, 0x20}));
    // Longer than a delay can hold: the longest delay, never a negative one.
    EXPECT_EQ(
        recorder.KeyCaptured(kB, false, Milliseconds(0x100000010LL + 0xF0000000LL), {true, false}),
        (RecordedKey{kB, 0, 0x7FFFFFFF}));
}

}  // namespace
}  // namespace orvex
