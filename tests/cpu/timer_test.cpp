// The 9-bit polynomial timer: its sequence, the run-out to 0 with the
// request, 0 as a fixed point, and the tick as the execution step drives it.
#include <gtest/gtest.h>

#include <set>

#include "cpu/timer.h"
#include "tests/cpu/run.h"

namespace {

constexpr uint8_t kNop = 0x38;  // 5 cycles
constexpr uint8_t kRec = 0xF9;  // 6 cycles

// Ticks one cycle at a time until the request comes; returns the count.
int CyclesUntilRequest(LH5801& m, int limit) {
    for (int k = 1; k <= limit; ++k) {
        TimerTick(&m, 1);
        if (m.IR1) return k;
    }
    return -1;
}

TEST(Timer, NonZeroValuesFormOneCycleOf511) {
    std::set<uint32_t> seen;
    uint32_t tm = 1;
    for (int k = 0; k < 511; ++k) {
        EXPECT_NE(tm, 0u);
        EXPECT_LE(tm, 0x1FFu);
        seen.insert(tm);
        tm = TimerSuccessor(tm);
    }
    EXPECT_EQ(tm, 1u) << "back at the start after 511 steps";
    EXPECT_EQ(seen.size(), 511u);
}

TEST(Timer, RequestComesAfterTheCyclesLeftInTheSequence) {
    struct Case {
        uint32_t start;
        int cycles;
    };
    for (const Case c : {Case{0x1FF, 1}, Case{0x1FE, 2}, Case{0x0FF, 511}}) {
        SCOPED_TRACE(c.start);
        auto machine = NewMachine();
        LH5801& m = machine->record;
        m.TM = c.start;
        EXPECT_EQ(CyclesUntilRequest(m, 600), c.cycles);
        EXPECT_EQ(m.TM, 0u);
        EXPECT_EQ(m.IE, 1) << "the run-out also enables interrupts";
    }
}

TEST(Timer, ShiftsRightWithBit8FromBit0XorBit4) {
    auto machine = NewMachine();
    LH5801& m = machine->record;
    m.TM = 0x001;
    TimerTick(&m, 1);
    EXPECT_EQ(m.TM, 0x100u);
    TimerTick(&m, 1);
    EXPECT_EQ(m.TM, 0x080u);
    m.TM = 0x011;  // bit 0 xor bit 4 = 0
    TimerTick(&m, 1);
    EXPECT_EQ(m.TM, 0x008u);
}

TEST(Timer, ZeroIsAFixedPoint) {
    auto machine = NewMachine();
    LH5801& m = machine->record;
    for (uint32_t cycles : {1u, 23u, 24u, 1000u}) TimerTick(&m, cycles);
    EXPECT_EQ(m.TM, 0u);
    EXPECT_EQ(m.IR1, 0);
}

// A tick of k cycles (the precomputed path for the counts instructions
// have, the loop beyond) equals k ticks of one cycle, from every value.
TEST(Timer, TickOfManyCyclesEqualsSingleCycles) {
    auto one = NewMachine(), many = NewMachine();
    for (uint32_t cycles : {2u, 5u, 9u, 17u, 23u, 24u, 25u, 100u, 600u}) {
        for (uint32_t start = 0; start < 512; ++start) {
            LH5801& a = one->record;
            LH5801& b = many->record;
            a.TM = b.TM = start;
            a.IR1 = b.IR1 = a.IE = b.IE = 0;
            for (uint32_t k = 0; k < cycles; ++k) TimerTick(&a, 1);
            TimerTick(&b, cycles);
            ASSERT_EQ(b.TM, a.TM) << "start " << start << ", " << cycles << " cycles";
            ASSERT_EQ(b.IR1, a.IR1) << "start " << start << ", " << cycles << " cycles";
            ASSERT_EQ(b.IE, a.IE) << "start " << start << ", " << cycles << " cycles";
        }
    }
}

class TimerStepTest : public MachineTest {};

// The step ticks by the instruction's cycles: 1FF runs out in the first of
// five, the other four leave 0 at 0.
TEST_F(TimerStepTest, RunsOutDuringAnInstruction) {
    m.TM = 0x1FF;
    EXPECT_EQ(Run({kNop}), 5u);
    EXPECT_EQ(m.TM, 0u);
    EXPECT_EQ(m.IR1, 1);
    EXPECT_EQ(m.IE, 1);
}

TEST_F(TimerStepTest, From0FFTheRequestComesAfter511CyclesOfInstructions) {
    Bytes code(102, kNop);  // 510 cycles
    code.push_back(kRec);   // 516
    Load(kCodeAt, code);
    m.P = kCodeAt;
    m.TM = 0x0FF;
    for (int i = 0; i < 102; ++i) StepOnce();
    EXPECT_EQ(m.IR1, 0);
    EXPECT_EQ(m.TM, 0x1FFu) << "one cycle left";
    StepOnce();
    EXPECT_EQ(m.IR1, 1);
    EXPECT_EQ(m.TM, 0u);
}

// The run-out sets IE, so the request is taken even if the code had cleared it.
TEST_F(TimerStepTest, RequestRaisedWithInterruptsDisabledIsTakenNext) {
    SetWord(kVectorTimer, 0x2345);
    m.TM = 0x1FF;
    m.IE = 0;
    Run({kNop, kNop});
    Step(&m);
    EXPECT_EQ(m.P, 0x2345);
    EXPECT_EQ(m.IR1, 0);
    EXPECT_EQ(m.ME0[0x47FF] & 0x02, 0x02) << "T byte pushed with IE 1";
}

TEST_F(TimerStepTest, NoRequestAfterResetUntilTheTimerIsLoaded) {
    Bytes code(600, kNop);
    Load(kCodeAt, code);
    CpuReset(&m);
    m.P = kCodeAt;
    m.S = kStackTop;
    for (int i = 0; i < 200; ++i) StepOnce();
    EXPECT_EQ(m.TM, 0u);
    EXPECT_EQ(m.IR1, 0);
}

TEST_F(TimerStepTest, AmLoadsTheNineBitTimer) {
    struct Case {
        uint8_t op;
        uint16_t a;
        uint32_t tm;
    };
    for (const Case c : {Case{0xCE, 0x00, 0x000}, Case{0xCE, 0xA5, 0x0A5}, Case{0xDE, 0x00, 0x100},
                         Case{0xDE, 0xFF, 0x1FF}}) {
        SCOPED_TRACE(c.op);
        Fresh();
        m.A = c.a;
        Load(kCodeAt, {0xFD, c.op});
        m.P = kCodeAt;
        Step(&m);
        EXPECT_EQ(m.Cycle, 9u);
        // The step ticked 9 cycles after the load.
        auto expected = NewMachine();
        expected->record.TM = c.tm;
        TimerTick(&expected->record, 9);
        EXPECT_EQ(m.TM, expected->record.TM);
        EXPECT_EQ(m.IR1, expected->record.IR1);
    }
}

TEST_F(TimerStepTest, Am0WithZeroStopsARunningTimerWithoutARequest) {
    m.TM = 0x1FE;
    m.A = 0;
    Run({0xFD, 0xCE});
    EXPECT_EQ(m.TM, 0u);
    EXPECT_EQ(m.IR1, 0);
}

}  // namespace
