// The window thread against a running emulation thread: everything the user
// can do while the machine runs. The test's own thread plays the window; it
// reads the record only once the emulation thread has ended. Built under
// ThreadSanitizer by scripts/harden, so a data race between the two threads
// fails these tests there.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "app/emulator.h"
#include "app/menu.h"
#include "app/texts.h"
#include "machine/clock.h"
#include "machine/keyboard.h"
#include "machine/memory.h"
#include "models/tables.h"
#include "tests/app/recording_ui.h"
#include "tests/common/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr int kLetterA = 65;  // host virtual-key code

class Threads : public testing::Test {
protected:
    void SetUp() override {
        EmulatorOptions options;
        options.stateFile = StatePath();
        options.traceFile = folder_.Path("traces").string();
        emulator_ = std::make_unique<Emulator>(ui_, options);
        ASSERT_TRUE(emulator_->Start());
    }
    void TearDown() override { emulator_.reset(); }

    std::string StatePath() const { return folder_.Path("Zelkora.mem").string(); }

    // A click in the middle of a key of the ZelkorA skin, then the release.
    void Click(uint32_t key) {
        const EntryTable& e = ZelkorATables().entries[key];
        emulator_->MousePress(e.x + e.width / 2, e.y + e.height / 2);
        emulator_->KeyRelease();
    }

    void PowerOnAtMaximumSpeed() {
        emulator_->Command(kCmdMaxFrequency);
        Click(kKeyOn);
        ASSERT_TRUE(emulator_->IsOn());
    }

    // Polls as the window does at its frame rate until `done` or 20 s.
    bool WaitFor(const std::function<bool()>& done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < deadline) {
            emulator_->Poll();
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    }

    // Quits while the machine runs: the thread stops, then the record is ours.
    const LH5801& QuitAndLook() {
        EXPECT_TRUE(emulator_->IsOn()) << "still running when the quit comes";
        emulator_->Command(kCmdQuit);
        EXPECT_TRUE(ui_.quit);
        EXPECT_FALSE(emulator_->IsOn());
        return *emulator_->record();
    }

    ScratchFolder folder_;
    RecordingUi ui_;
    std::unique_ptr<Emulator> emulator_;
};

TEST_F(Threads, KeyPressesAndReleasesWhileTheCpuScansTheKeyboard) {
    PowerOnAtMaximumSpeed();
    for (int round = 0; round < 300; ++round) {
        emulator_->PcKeyPress(kLetterA + round % 26);
        if (round % 3 == 0) std::this_thread::yield();
        emulator_->KeyRelease();
        Click(21 + round % 20);  // the mouse on other keys
    }
    const LH5801& m = QuitAndLook();
    EXPECT_EQ(m.ToucheLue, 0) << "the last release cleared the latch";
    for (uint8_t line : m.ScanClavier) EXPECT_EQ(line, 0xFF);
}

TEST_F(Threads, OnKeyInterruptAndHardResetWhileRunning) {
    PowerOnAtMaximumSpeed();
    emulator_->Command(kCmdOriginalFrequency);
    for (int round = 0; round < 50; ++round) {
        Click(kKeyOn);
        if (round % 10 == 0) emulator_->Command(kCmdHardReset);
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    emulator_->Command(kCmdHardReset);
    const LH5801& m = QuitAndLook();
    EXPECT_EQ(m.FrequenceMax, 1u) << "the last Hard Reset was applied before the thread stopped";
    EXPECT_EQ(m.Module, kModuleCE161);
}

TEST_F(Threads, PixelSizeSpeedAndTheSecondTickWhileRunning) {
    PowerOnAtMaximumSpeed();
    for (int round = 0; round < 100; ++round) {
        emulator_->Command(round % 2 ? kCmdPixels2 : kCmdPixels3);
        emulator_->Command(round % 3 ? kCmdMaxFrequency : kCmdOriginalFrequency);
        if (round % 10 == 0) emulator_->SecondTick();
        emulator_->Poll();
        std::this_thread::yield();
    }
    emulator_->Command(kCmdPixels3);
    emulator_->Command(kCmdMaxFrequency);
    const LH5801& m = QuitAndLook();
    EXPECT_EQ(m.PixelSize, static_cast<uint32_t>(kSkinDotsFull));
    EXPECT_EQ(m.FrequenceMax, 1u);
    EXPECT_EQ(ui_.CheckedIn(kCmdPixels2, kCmdPixels3), std::vector<int>{kCmdPixels3});
}

// The clock belongs to the emulation thread while it runs: ticks become
// requests, and none is lost, however many come before the thread looks.
TEST_F(Threads, EverySecondTickWhileRunningReachesTheClock) {
    ClockSetTime(emulator_->record(), {0, 0, 12, 1, 1, 1});
    PowerOnAtMaximumSpeed();
    for (int tick = 0; tick < 13; ++tick) emulator_->SecondTick();
    const LH5801& m = QuitAndLook();
    EXPECT_EQ(m.SecTens * 10 + m.SecUnits, 13u);
    EXPECT_EQ(m.MinUnits, 0u);
}

TEST_F(Threads, QuitWhileKeysArePressedWritesTheState) {
    PowerOnAtMaximumSpeed();
    emulator_->PcKeyPress(kLetterA);  // held through the quit
    QuitAndLook();
    EXPECT_TRUE(fs::exists(StatePath()));
    EXPECT_TRUE(ui_.messages.empty());
    emulator_->KeyRelease();  // after the quit: ignored
}

// The debug run's loop takes the same requests between its traced steps.
TEST_F(Threads, KeysTicksAndHardResetDuringADebugRun) {
    emulator_->Command(kCmdDebugMode);
    PowerOnAtMaximumSpeed();
    for (int round = 0; round < 20; ++round) {
        emulator_->PcKeyPress(kLetterA + round);
        emulator_->SecondTick();
        emulator_->KeyRelease();
        if (round == 10) emulator_->Command(kCmdHardReset);
    }
    const LH5801& m = QuitAndLook();
    for (uint8_t line : m.ScanClavier) EXPECT_EQ(line, 0xFF) << "no key left latched";
    EXPECT_EQ(m.FrequenceMax, 1u);
    EXPECT_TRUE(fs::exists(folder_.Path("traces"))) << "the trace was written";
}

// The run that ends by itself: the CPU executes OFF on the emulation thread,
// which writes the state file; the window notices at its next poll.
TEST_F(Threads, TheMachineSwitchingItselfOffEndsTheThread) {
    PowerOnAtMaximumSpeed();
    int polls = 0;
    ASSERT_TRUE(WaitFor([&] {
        if (++polls % 50 == 1) Click(kKeyOff);  // until the monitor reads it
        return !emulator_->IsOn() && ui_.title == kTitleOff;
    }));
    EXPECT_TRUE(fs::exists(StatePath()));
    Click(kKeyOn);  // and on again, on a new thread
    EXPECT_TRUE(emulator_->IsOn());
    QuitAndLook();
}

}  // namespace
