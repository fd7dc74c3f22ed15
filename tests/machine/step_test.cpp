// The machine step: interrupt entry and its order, the OFF state, the fetch
// through the memory map, and the hard reset. The CPU's own part of a step
// (undefined opcodes, the FD prefix, the CPU reset) is in
// tests/cpu/dispatch_test.cpp.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "cpu/cpu.h"
#include "machine/step.h"
#include "tests/cpu/run.h"

namespace {

constexpr uint8_t kNop = 0x38;

class StepTest : public MachineTest {
protected:
    StepTest() { SetVectors(); }

    // Distinct handler addresses behind the three interrupt vectors.
    void SetVectors() {
        SetWord(kVectorNonMaskable, 0x1C1C);
        SetWord(kVectorTimer, 0x1A1A);
        SetWord(kVectorMaskable, 0x1818);
    }

    // The record as bytes, to show that a step changed nothing.
    std::vector<uint8_t> Image() const {
        const auto* b = reinterpret_cast<const uint8_t*>(&m);
        return {b, b + sizeof m};
    }
};

struct EntryCase {
    const char* name;
    uint16_t LH5801::*request;
    uint16_t ie;
    uint16_t handler;
};

// Each request enters through its own vector; the pushed T byte carries the
// IE of the moment (IR0 is taken even with IE 0).
TEST_F(StepTest, InterruptEntryPushesTAndReturnAddressAndTakesTheVector) {
    const EntryCase cases[] = {
        {"IR0 with IE 0", &LH5801::IR0, 0, 0x1C1C},
        {"IR0 with IE 1", &LH5801::IR0, 1, 0x1C1C},
        {"IR1", &LH5801::IR1, 1, 0x1A1A},
        {"IR2", &LH5801::IR2, 1, 0x1818},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        SetVectors();
        Load(kCodeAt, {kNop});
        m.P = 0x4123;
        m.*c.request = 1;
        m.IE = c.ie;
        SetFlags(m, 1, 0, 1, 1);  // T = H V . IE C = 1 1 0 IE 1
        m.Cycle = 7;
        m.TM = 0x123;

        EXPECT_EQ(Step(&m), 0) << "an interrupt entry consumes no cycles";

        EXPECT_EQ(m.ME0[0x47FF], 0x19 | c.ie << 1) << "T byte at S";
        EXPECT_EQ(m.ME0[0x47FE], 0x23) << "P low at S - 1";
        EXPECT_EQ(m.ME0[0x47FD], 0x41) << "P high at S - 2";
        EXPECT_EQ(m.S, 0x47FC);
        EXPECT_EQ(m.P, c.handler);
        EXPECT_EQ(m.*c.request, 0);
        EXPECT_EQ(m.IE, 0);
        EXPECT_EQ(FlagText(m), "C1 Z0 H1 V1");
        EXPECT_EQ(m.Cycle, 7u) << "no instruction ran";
        EXPECT_EQ(m.TM, 0x123u) << "the timer does not advance";
    }
}

TEST_F(StepTest, TimerRequestIsTakenBeforeTheMaskableOne) {
    m.IR1 = m.IR2 = m.IE = 1;
    Step(&m);
    EXPECT_EQ(m.P, 0x1A1A);
    EXPECT_EQ(m.IR1, 0);
    EXPECT_EQ(m.IR2, 1);
}

TEST_F(StepTest, NonMaskableRequestIsTakenFirst) {
    m.IR0 = m.IR1 = m.IR2 = m.IE = 1;
    Step(&m);
    EXPECT_EQ(m.P, 0x1C1C);
    EXPECT_EQ(m.IR1, 1);
    EXPECT_EQ(m.IR2, 1);
}

// A request pending while IE is 0 is not taken; the CPU goes on with its
// instructions and takes it once IE is 1 again.
TEST_F(StepTest, RequestWaitsWhileInterruptsAreDisabled) {
    for (uint16_t LH5801::*request : {&LH5801::IR1, &LH5801::IR2}) {
        Fresh();
        SetVectors();
        m.*request = 1;
        Load(kCodeAt, {kNop, 0xFD, 0x81 /* SIE */, kNop});
        m.P = kCodeAt;

        EXPECT_EQ(StepOnce(), 5u);
        EXPECT_EQ(m.P, 0x4001) << "NOP executed, request still pending";
        EXPECT_EQ(m.*request, 1);
        EXPECT_EQ(StepOnce(), 8u);
        EXPECT_EQ(m.P, 0x4003) << "SIE executed";
        Step(&m);
        EXPECT_EQ(m.P, request == &LH5801::IR1 ? 0x1A1A : 0x1818) << "now entered";
        EXPECT_EQ(WordAt(0x47FD), 0x4003) << "returns to the instruction after SIE";
    }
}

TEST_F(StepTest, OffStepReportsOffAndChangesNothing) {
    m.OFF = 1;
    m.IR1 = 1;  // pending but masked: still off
    m.P = kCodeAt;
    Load(kCodeAt, {kNop});
    const auto before = Image();
    EXPECT_EQ(Step(&m), kStepOff);
    EXPECT_EQ(Step(&m), kStepOff);
    EXPECT_EQ(Image(), before);
}

TEST_F(StepTest, PendingRequestIsEnteredEvenWhenOff) {
    m.OFF = 1;
    m.IR2 = m.IE = 1;
    EXPECT_EQ(Step(&m), 0);
    EXPECT_EQ(m.P, 0x1818);
    EXPECT_EQ(Step(&m), kStepOff);
}

TEST_F(StepTest, RunStepsStopsAtOff) {
    Load(kCodeAt, {kNop, kNop, 0xFD, 0x4C /* OFF */, kNop});
    m.P = kCodeAt;
    EXPECT_EQ(RunSteps(&m, 100), 3u);
    EXPECT_EQ(m.P, 0x4004);
    EXPECT_EQ(RunSteps(&m, 100), 0u);
}

TEST_F(StepTest, StepReadsTheHostCounterAroundTheInstruction) {
    Run({kNop});
    EXPECT_NE(m.liCurrent, 0);
    EXPECT_GE(m.liLast, m.liCurrent);
}

// The fetch goes through the ME0 read: the 8000-9FFF window reads FF (an
// undefined opcode) while PV is 0, and memory once PV is 1.
TEST_F(StepTest, OpcodeFetchFollowsTheMemoryMap) {
    m.ME0[0x8000] = kNop;
    m.P = 0x8000;
    EXPECT_EQ(StepOnce(), 1u);
    EXPECT_EQ(m.P, 0x8001);
    m.PV = 1;
    m.P = 0x8000;
    EXPECT_EQ(StepOnce(), 5u);
}

TEST_F(StepTest, HardResetAlsoClearsTheDisplayModel) {
    SetWord(kVectorReset, 0xC0DE);
    m.A = 0x12;
    std::memset(m.BufferVideo, 0x55, sizeof m.BufferVideo);
    for (uint32_t* flag = &m.Busy; flag <= &m.Run; ++flag) *flag = 1;
    std::memset(m.Dots, 0x11, sizeof m.Dots);
    m.ME0[0x7600] = 0x99;

    HardReset(&m);

    EXPECT_EQ(m.P, 0xC0DE);
    EXPECT_EQ(m.A, 0);
    EXPECT_EQ(m.InOut, 0xFFu);
    for (uint8_t b : m.BufferVideo) ASSERT_EQ(b, 0);
    for (const uint32_t* flag = &m.Busy; flag <= &m.Run; ++flag) ASSERT_EQ(*flag, 0u);
    for (const auto& row : m.Dots)
        for (uint32_t dot : row) ASSERT_EQ(dot, 0u);
    EXPECT_EQ(m.ME0[0x7600], 0x99) << "memory is the initialisation's";
}

}  // namespace
