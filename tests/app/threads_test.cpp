// The window thread against a running emulation thread: what the user can do
// while the machine runs. Built under ThreadSanitizer by scripts/harden, so a
// data race between the two threads fails these tests there.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/session.h"
#include "machine/keyboard.h"
#include "machine/machine.h"
#include "machine/step.h"

namespace {

// A powered-on ZelkorA at maximum speed, stepped by a thread of its own
// until it is stopped or the CPU executes OFF.
class RunningMachine : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(BindModelLibrary("ZelkorA", &library, &error)) << error;
        ASSERT_TRUE(FirstStart(m, library));
        m->FrequenceMax = 1;
        PowerOn(m);
        RunStart(m);
        thread = std::thread([this] {
            while (!stop.load(std::memory_order_relaxed))
                if (Step(m) == kStepOff) break;
        });
    }
    void TearDown() override {
        stop = true;
        if (thread.joinable()) thread.join();
        ReleaseModelLibrary(m, &library);
    }

    std::unique_ptr<Machine> machine = NewMachine();
    LH5801* m = &machine->record;
    ModelLibrary library;
    std::atomic<bool> stop{false};
    std::thread thread;
};

TEST_F(RunningMachine, KeyPressesAndReleasesWhileTheCpuScansTheKeyboard) {
    KeyboardHooks hooks;
    for (int round = 0; round < 200; ++round) {
        uint32_t key = 11 + static_cast<uint32_t>(round % 40);  // letters and digits, never ON or OFF
        KeyPress(m, key, hooks);
        std::this_thread::yield();
        KeyRelease(key, m);
        EXPECT_EQ(key, 0u);
    }
    stop = true;
    thread.join();
    EXPECT_EQ(m->ToucheLue, 0) << "the last release cleared the latch";
    for (uint8_t line : m->ScanClavier) EXPECT_EQ(line, 0xFF);
}

}  // namespace
