#include "ui/macros/KeyboardHookSlot.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QTest>
#include <array>
#include <vector>

#include "ui/macros/KeyCapturedRecorder.h"

namespace orvex::ui {
namespace {

// A hook whose connection is a pipe: writing a key to the pipe makes the descriptor readable as
// an X connection does, so the slot's notifier and Dispatch run for real.
class PipeKeyboardHook final : public platform::KeyboardHook {
  public:
    struct Desktop {
        bool refusesHooks = false;
        int hooksMade = 0;
        int hooksAlive = 0;
        int writeFd = -1;
        int keysDispatched = 0;

        void Type(std::uint16_t virtualKey, bool release) const {
            const std::array<unsigned char, 3> record{static_cast<unsigned char>(virtualKey & 0xFF),
                                                      static_cast<unsigned char>(virtualKey >> 8),
                                                      static_cast<unsigned char>(release)};
            ASSERT_EQ(::write(writeFd, record.data(), record.size()), 3);
        }
    };

    explicit PipeKeyboardHook(Desktop& desktop) : desktop_(desktop) {
        ++desktop_.hooksMade;
        ++desktop_.hooksAlive;
    }
    ~PipeKeyboardHook() override {
        Remove();
        --desktop_.hooksAlive;
    }

    bool Install(Sink sink) override {
        if (desktop_.refusesHooks || ::pipe2(fds_.data(), O_NONBLOCK) != 0) {
            return false;
        }
        desktop_.writeFd = fds_[1];
        sink_ = std::move(sink);
        return true;
    }
    void Remove() override {
        for (int& fd : fds_) {
            if (fd >= 0) {
                ::close(fd);
                fd = -1;
            }
        }
        sink_ = nullptr;
    }
    bool IsInstalled() const override { return fds_[0] >= 0; }
    int ConnectionFd() const override { return fds_[0]; }
    void Dispatch() override {
        std::array<unsigned char, 3> record{};
        while (fds_[0] >= 0 && ::read(fds_[0], record.data(), record.size()) == 3) {
            ++desktop_.keysDispatched;
            sink_({static_cast<std::uint16_t>(record[0] | record[1] << 8), record[2] != 0});
        }
    }

  private:
    Desktop& desktop_;
    std::array<int, 2> fds_{-1, -1};
    Sink sink_;
};

using KeyRecorder = testing::KeyCapturedRecorder;

class KeyboardHookSlotTest : public ::testing::Test {
  protected:
    static bool WaitForKeys(const KeyRecorder& recorder, std::size_t count) {
        return QTest::qWaitFor([&] { return recorder.keys.size() >= count; }, 2000);
    }

    PipeKeyboardHook::Desktop desktop;
    KeyboardHookSlot slot{[this] { return std::make_unique<PipeKeyboardHook>(desktop); }};
};

TEST_F(KeyboardHookSlotTest, KeysReadFromTheConnectionArePostedToTheTargetInOrder) {
    KeyRecorder target;
    ASSERT_TRUE(slot.InstallKeyboardHook(&target));
    EXPECT_TRUE(slot.IsInstalled());
    EXPECT_EQ(slot.Target(), &target);

    desktop.Type('A', false);
    desktop.Type('A', true);
    desktop.Type(0xA1, false);
    ASSERT_TRUE(WaitForKeys(target, 3));
    EXPECT_EQ(target.keys, (std::vector<std::pair<int, int>>{{'A', 0}, {'A', 0x80}, {0xA1, 0}}));

    slot.RemoveKeyboardHook();
    EXPECT_FALSE(slot.IsInstalled());
    EXPECT_EQ(slot.Target(), nullptr);
    EXPECT_EQ(desktop.hooksAlive, 0);
}

TEST_F(KeyboardHookSlotTest, InstallingAgainRemovesTheHookItReplaces) {
    KeyRecorder recording;
    KeyRecorder capture;
    ASSERT_TRUE(slot.InstallKeyboardHook(&recording));
    ASSERT_TRUE(slot.InstallKeyboardHook(&capture));
    EXPECT_EQ(desktop.hooksMade, 2);
    EXPECT_EQ(desktop.hooksAlive, 1);
    EXPECT_EQ(slot.Target(), &capture);

    desktop.Type('B', false);
    ASSERT_TRUE(WaitForKeys(capture, 1));
    EXPECT_TRUE(recording.keys.empty());
}

TEST_F(KeyboardHookSlotTest, AFailedInstallLeavesTheSlotEmptyAndTheEarlierHookRemoved) {
    KeyRecorder target;
    ASSERT_TRUE(slot.InstallKeyboardHook(&target));
    desktop.refusesHooks = true;
    EXPECT_FALSE(slot.InstallKeyboardHook(&target));
    EXPECT_FALSE(slot.IsInstalled());
    EXPECT_EQ(slot.Target(), nullptr);
    EXPECT_EQ(desktop.hooksAlive, 0);
    slot.RemoveKeyboardHook();
}

TEST_F(KeyboardHookSlotTest, KeysForADestroyedTargetGoNowhere) {
    {
        KeyRecorder target;
        ASSERT_TRUE(slot.InstallKeyboardHook(&target));
    }
    EXPECT_EQ(slot.Target(), nullptr);
    desktop.Type('C', false);
    ASSERT_TRUE(QTest::qWaitFor([this] { return desktop.keysDispatched == 1; }, 2000));
    QCoreApplication::processEvents();
    EXPECT_TRUE(slot.IsInstalled());
}

}  // namespace
}  // namespace orvex::ui
