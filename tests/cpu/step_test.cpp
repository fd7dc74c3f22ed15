// The execution step: interrupt entry and its order, the OFF state, the
// resets, undefined opcodes and the FD prefix.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "cpu/opcodes.h"
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

// Registers, flags, memory and requests as an undefined opcode must leave them.
void FillState(LH5801& m) {
    m.A = 0x5A;
    m.X = 0x1111;
    m.Y = 0x2222;
    m.U = 0x3333;
    m.S = 0x4444;
    m.C = m.H = m.IE = 1;
    m.InOut = 0x77;
    m.VRegister = 0x1234;
}

TEST_F(StepTest, UndefinedFirstPageOpcodesAreSkippedInOneCycle) {
    std::vector<int> undefined;
    for (int op = 0; op < 256; ++op)
        if (!kOpcodes[op].defined()) undefined.push_back(op);
    const std::vector<int> listed = {0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x39, 0x3A, 0x3B,
                                     0x3C, 0x3D, 0x3E, 0x3F, 0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76,
                                     0x77, 0x79, 0x7A, 0x7B, 0x7C, 0x7D, 0x7E, 0x7F, 0x98, 0xB0, 0xB2,
                                     0xB4, 0xB6, 0xBC, 0xE5, 0xE7, 0xF3, 0xF8, 0xFA, 0xFC, 0xFE, 0xFF};
    EXPECT_EQ(undefined, listed);

    auto before = std::make_unique<LH5801>();
    for (int op : listed) {
        SCOPED_TRACE(op);
        Fresh();
        FillState(m);
        Load(0x4200, {static_cast<uint8_t>(op)});
        m.P = 0x4200;
        *before = m;
        EXPECT_EQ(StepOnce(), 1u);
        EXPECT_EQ(m.P, 0x4201);
        ExpectOnlyPAndCycleChanged(*before, m);
    }
}

TEST_F(StepTest, UndefinedFdPageOpcodesAreSkippedInOneCycle) {
    int count = 0;
    auto before = std::make_unique<LH5801>();
    for (int op = 0; op < 256; ++op) {
        if (kOpcodes[kFdPage + op].defined()) continue;
        ++count;
        SCOPED_TRACE(op);
        Fresh();
        FillState(m);
        Load(0x4200, {0xFD, static_cast<uint8_t>(op)});
        m.P = 0x4200;
        *before = m;
        EXPECT_EQ(StepOnce(), 1u);
        EXPECT_EQ(m.P, 0x4202);
        ExpectOnlyPAndCycleChanged(*before, m);
    }
    EXPECT_EQ(count, 156);
    EXPECT_FALSE(kOpcodes[kFdPage + 0xFD].defined()) << "FD FD is undefined";
}

// The FD-page handler runs with P on the FD byte and its count is the whole
// instruction's: FD 1D is EOR with the second-bank byte at Y.
TEST_F(StepTest, FdPrefixDispatchesTheSecondPage) {
    m.Y = 0x1234;
    m.ME1[0x1234] = 0x0F;
    m.ME0[0x1234] = 0xF0;
    m.A = 0xFF;
    EXPECT_EQ(Run({0xFD, 0x1D}), 11u);
    EXPECT_EQ(m.A, 0xF0);
    EXPECT_EQ(m.P, 0x4002);
}

TEST_F(StepTest, FdPrefixAtTheTopOfMemoryFoldsTo0000) {
    m.ME0[0x0000] = 0x81;  // SIE
    m.ME0[0xFFFF] = 0xFD;
    m.P = 0xFFFF;
    EXPECT_EQ(StepOnce(), 8u);
    EXPECT_EQ(m.IE, 1);
    EXPECT_EQ(m.P, 0x0001);
}

TEST_F(StepTest, CpuResetClearsTheCpuAndLoadsTheResetVector) {
    FillState(m);
    m.OFF = m.HLT = m.Z = m.V = m.IR0 = m.IR1 = m.IR2 = m.PU = m.PV = m.DISP = 1;
    m.TM = 0x1FF;
    m.Cycle = 9;
    m.P = 0x4000;
    SetWord(kVectorReset, 0xC0DE);
    m.ME0[0x4000] = 0xAB;
    m.ME1[0xF00F] = 0xCD;
    m.Busy = 1;

    CpuReset(&m);

    EXPECT_EQ(m.P, 0xC0DE);
    EXPECT_EQ(m.S, 0);
    EXPECT_EQ(m.InOut, 0xFFu);
    for (uint16_t v : {m.OFF, m.HLT, m.IE, m.C, m.Z, m.H, m.V, m.IR0, m.IR1, m.IR2, m.PU, m.PV, m.DISP, m.A,
                       m.X, m.Y, m.U})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(m.TM, 0u);
    EXPECT_EQ(m.Cycle, 0u);
    EXPECT_EQ(m.VRegister, 0x1234u) << "not a CPU reset's business";
    EXPECT_EQ(m.ME0[0x4000], 0xAB);
    EXPECT_EQ(m.ME1[0xF00F], 0xCD);
    EXPECT_EQ(m.Busy, 1u) << "the display model is the hard reset's";
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
