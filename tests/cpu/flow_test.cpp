// Control flow: branches with both cycle counts, LOP, JMP, SJP/RTN, RTI,
// the vector calls, the flag and flip-flop instructions, HLT and OFF.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/cpu/run.h"

namespace {

class FlowTest : public MachineTest {};

struct BranchCase {
    uint8_t op;
    uint16_t LH5801::*flag;  // nullptr: BCH, always taken
    uint16_t takenWhen;
    bool forward;
    uint32_t taken, notTaken;  // cycles
};

constexpr BranchCase kBranches[] = {
    {0x81, &LH5801::C, 0, true, 10, 8},  {0x91, &LH5801::C, 0, false, 11, 8},  // BCR
    {0x83, &LH5801::C, 1, true, 10, 8},  {0x93, &LH5801::C, 1, false, 11, 8},  // BCS
    {0x85, &LH5801::H, 0, true, 10, 8},  {0x95, &LH5801::H, 0, false, 11, 8},  // BHR
    {0x87, &LH5801::H, 1, true, 10, 8},  {0x97, &LH5801::H, 1, false, 11, 8},  // BHS
    {0x89, &LH5801::Z, 0, true, 10, 8},  {0x99, &LH5801::Z, 0, false, 11, 8},  // BZR
    {0x8B, &LH5801::Z, 1, true, 10, 8},  {0x9B, &LH5801::Z, 1, false, 11, 8},  // BZS
    {0x8D, &LH5801::V, 0, true, 10, 8},  {0x9D, &LH5801::V, 0, false, 11, 8},  // BVR
    {0x8F, &LH5801::V, 1, true, 10, 8},  {0x9F, &LH5801::V, 1, false, 11, 8},  // BVS
    {0x8E, nullptr, 0, true, 8, 0},      {0x9E, nullptr, 0, false, 9, 0},      // BCH
};

// At 4100 with d = 05: forward to 4107, backward to 40FD, else 4102.
TEST_F(FlowTest, BranchesTakeTheirConditionAndBothCycleCounts) {
    for (const BranchCase& c : kBranches) {
        for (bool taken : {true, false}) {
            if (!c.flag && !taken) continue;
            SCOPED_TRACE(testing::Message() << std::hex << int(c.op) << (taken ? " taken" : " not taken"));
            Fresh();
            SetFlags(m, 1, 0, 1, 0);
            if (c.flag) m.*c.flag = taken ? c.takenWhen : 1 - c.takenWhen;
            const std::string flags = FlagText(m);

            EXPECT_EQ(Run({c.op, 0x05}, 0x4100), taken ? c.taken : c.notTaken);
            EXPECT_EQ(m.P, !taken ? 0x4102 : c.forward ? 0x4107 : 0x40FD);
            EXPECT_EQ(FlagText(m), flags) << "branches change no flag";
        }
    }
}

TEST_F(FlowTest, BranchTargetsWrapWithin16Bits) {
    EXPECT_EQ(Run({0x8E, 0x05}, 0xFFFC), 8u);
    EXPECT_EQ(m.P, 0x0003);
    EXPECT_EQ(Run({0x9E, 0x05}, 0x0001), 9u);
    EXPECT_EQ(m.P, 0xFFFE);
}

TEST_F(FlowTest, BchBackTwoJumpsToItself) {
    EXPECT_EQ(Run({0x9E, 0x02}), 9u);
    EXPECT_EQ(m.P, kCodeAt);
}

TEST_F(FlowTest, LopLoopsWhileUlIsNotZeroAndAlwaysDecrementsIt) {
    m.U = 0x1201;
    EXPECT_EQ(Run({0x88, 0x05}, 0x4100), 11u);
    EXPECT_EQ(m.P, 0x40FD);
    EXPECT_EQ(m.U, 0x1200);

    SetFlags(m, 1, 1, 1, 1);
    EXPECT_EQ(Run({0x88, 0x05}, 0x4100), 8u);
    EXPECT_EQ(m.P, 0x4102);
    EXPECT_EQ(m.U, 0x12FF) << "UL wraps, UH untouched";
    EXPECT_EQ(FlagText(m), "C1 Z1 H1 V1");
}

// LOP started with UL = n runs its body n + 1 times.
TEST_F(FlowTest, LopRunsTheBodyOneMoreTimeThanUl) {
    Load(kCodeAt, {0xDD /* INC A */, 0x88, 0x03 /* LOP back to INC A */, 0x38});
    m.U = 0x0003;
    m.P = kCodeAt;
    while (m.P != 0x4003) StepOnce();
    EXPECT_EQ(m.A, 4);
    EXPECT_EQ(LowByte(m.U), 0xFF);
}

TEST_F(FlowTest, JmpLoadsP) {
    EXPECT_EQ(Run({0xBA, 0x12, 0x34}), 12u);
    EXPECT_EQ(m.P, 0x1234);
}

TEST_F(FlowTest, SjpPushesTheReturnAddressAndRtnTakesItBack) {
    EXPECT_EQ(Run({0xBE, 0x12, 0x34}), 19u);
    EXPECT_EQ(m.ME0[0x47FF], 0x03);
    EXPECT_EQ(m.ME0[0x47FE], 0x40);
    EXPECT_EQ(m.S, 0x47FD);
    EXPECT_EQ(m.P, 0x1234);

    EXPECT_EQ(Run({0x9A}, 0x1234), 11u);
    EXPECT_EQ(m.P, 0x4003);
    EXPECT_EQ(m.S, 0x47FF);
}

// SJP reads its operand after the push: a stack lying over the operand bytes
// makes the call go where the pushed bytes point.
TEST_F(FlowTest, SjpReadsItsOperandAfterThePush) {
    m.S = 0x4202;
    Run({0xBE, 0x12, 0x34}, 0x4200);  // pushes 42 03 at 4201-4202
    EXPECT_EQ(m.P, 0x4203);
}

TEST_F(FlowTest, RtiRestoresPAndTheFlagsFromTheStack) {
    struct Case {
        uint8_t t;
        uint16_t flags;  // C IE Z V H all equal to this
    };
    for (const Case c : {Case{0x1F, 1}, Case{0x00, 0}, Case{0xE0, 0}}) {
        SCOPED_TRACE(int(c.t));
        Fresh();
        SetFlags(m, 1 - c.flags, 1 - c.flags, 1 - c.flags, 1 - c.flags);
        m.IE = 1 - c.flags;
        m.S = 0x47FC;
        Load(0x47FD, {0x12, 0x34, c.t});
        EXPECT_EQ(Run({0x8A}), 14u);
        EXPECT_EQ(m.P, 0x1234);
        EXPECT_EQ(m.S, 0x47FF);
        const uint16_t f = c.flags;
        EXPECT_EQ(m.C, f);
        EXPECT_EQ(m.IE, f);
        EXPECT_EQ(m.Z, f);
        EXPECT_EQ(m.V, f);
        EXPECT_EQ(m.H, f);
    }
}

TEST_F(FlowTest, InterruptEntryAndRtiRoundTrip) {
    SetWord(kVectorMaskable, 0x2000);
    Load(0x2000, {0x8A});  // RTI
    Load(kCodeAt, {0x38});
    m.P = kCodeAt;
    SetFlags(m, 1, 0, 1, 0);
    m.IR2 = m.IE = 1;
    Step(&m);
    EXPECT_EQ(m.IE, 0);
    EXPECT_EQ(StepOnce(), 14u);
    EXPECT_EQ(m.P, kCodeAt);
    EXPECT_EQ(m.S, kStackTop);
    EXPECT_EQ(m.IE, 1);
    EXPECT_EQ(FlagText(m), "C1 Z0 H1 V0");
}

// The 28 one-byte vector calls C0, C2 ... F6, each through its own vector.
TEST_F(FlowTest, VejCallsThroughTheVectorOfItsOpcode) {
    for (int n = 0xC0; n <= 0xF6; n += 2) {
        SCOPED_TRACE(n);
        Fresh();
        SetWord(static_cast<uint16_t>(0xFF00 + n), static_cast<uint16_t>(0x1000 + n));
        m.Z = 1;
        EXPECT_EQ(Run({static_cast<uint8_t>(n)}), 17u);
        EXPECT_EQ(m.P, 0x1000 + n);
        EXPECT_EQ(WordAt(0x47FE), 0x4001) << "return address pushed";
        EXPECT_EQ(m.S, 0x47FD);
        EXPECT_EQ(m.Z, 0);
    }
}

TEST_F(FlowTest, VmjCallsThroughTheVectorOfItsOperand) {
    SetWord(0xFF34, 0x2468);
    m.Z = 1;
    EXPECT_EQ(Run({0xCD, 0x34}), 20u);
    EXPECT_EQ(m.P, 0x2468);
    EXPECT_EQ(WordAt(0x47FE), 0x4002);
    EXPECT_EQ(m.Z, 0);
}

struct VectorCallCase {
    uint8_t op;
    uint16_t LH5801::*flag;
    uint16_t callWhen;
};

constexpr VectorCallCase kVectorCalls[] = {
    {0xC1, &LH5801::C, 0}, {0xC3, &LH5801::C, 1},  // VCR VCS
    {0xC5, &LH5801::H, 0}, {0xC7, &LH5801::H, 1},  // VHR VHS
    {0xC9, &LH5801::Z, 0}, {0xCB, &LH5801::Z, 1},  // VZR VZS
    {0xCF, &LH5801::V, 1},                         // VVS
};

TEST_F(FlowTest, ConditionalVectorCallsTakeTheirConditionAndBothCycleCounts) {
    for (const VectorCallCase& c : kVectorCalls) {
        for (bool call : {true, false}) {
            SCOPED_TRACE(testing::Message() << std::hex << int(c.op) << (call ? " call" : " no call"));
            Fresh();
            SetWord(0xFF50, 0x2468);
            m.ME0[0x47FF] = m.ME0[0x47FE] = 0xEE;
            SetFlags(m, 1, 1, 1, 1);
            m.*c.flag = call ? c.callWhen : 1 - c.callWhen;
            const uint16_t z = m.Z;

            EXPECT_EQ(Run({c.op, 0x50}), call ? 21u : 8u);
            if (call) {
                EXPECT_EQ(m.P, 0x2468);
                EXPECT_EQ(WordAt(0x47FE), 0x4002);
                EXPECT_EQ(m.S, 0x47FD);
                EXPECT_EQ(m.Z, 0);
            } else {
                EXPECT_EQ(m.P, 0x4002);
                EXPECT_EQ(m.S, kStackTop);
                EXPECT_EQ(WordAt(0x47FE), 0xEEEE) << "nothing pushed";
                EXPECT_EQ(m.Z, z) << "Z kept";
            }
        }
    }
}

struct FlagOpCase {
    const char* name;
    Bytes code;
    uint16_t LH5801::*field;  // nullptr: NOP and CDV change nothing
    uint16_t after;
    uint32_t cycles;
};

TEST_F(FlowTest, FlagAndFlipFlopInstructions) {
    const FlagOpCase cases[] = {
        {"SEC", {0xFB}, &LH5801::C, 1, 4},        {"REC", {0xF9}, &LH5801::C, 0, 6},
        {"SIE", {0xFD, 0x81}, &LH5801::IE, 1, 8}, {"RIE", {0xFD, 0xBE}, &LH5801::IE, 0, 6},
        {"SPU", {0xE1}, &LH5801::PU, 1, 4},       {"RPU", {0xE3}, &LH5801::PU, 0, 4},
        {"SPV", {0xA8}, &LH5801::PV, 1, 4},       {"RPV", {0xB8}, &LH5801::PV, 0, 4},
        {"SDP", {0xFD, 0xC1}, &LH5801::DISP, 1, 8}, {"RDP", {0xFD, 0xC0}, &LH5801::DISP, 0, 6},
        {"NOP", {0x38}, nullptr, 0, 5},           {"CDV", {0xFD, 0x8E}, nullptr, 0, 8},
    };
    auto before = NewMachine();
    for (const FlagOpCase& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        if (c.field) m.*c.field = 1 - c.after;
        Load(kCodeAt, c.code);
        m.P = kCodeAt;
        before->record = m;

        EXPECT_EQ(StepOnce(), c.cycles);
        EXPECT_EQ(m.P, kCodeAt + c.code.size());
        LH5801& expected = before->record;
        if (c.field) expected.*c.field = c.after;
        expected.P = m.P;
        expected.Cycle = m.Cycle;
        expected.liCurrent = m.liCurrent;
        expected.liLast = m.liLast;
        EXPECT_EQ(std::memcmp(&expected, &m, sizeof m), 0) << "nothing else changes";
    }
}

// SPV and RPV switch the 8000-9FFF window for the very next access.
TEST_F(FlowTest, PvSwitchesTheWindowAtOnce) {
    m.ME0[0x8000] = 0x42;
    Load(kCodeAt, {0xA8, 0xA5, 0x80, 0x00, 0xB8, 0xA5, 0x80, 0x00});  // SPV LDA (8000) RPV LDA (8000)
    m.P = kCodeAt;
    StepOnce();
    StepOnce();
    EXPECT_EQ(m.A, 0x42);
    StepOnce();
    StepOnce();
    EXPECT_EQ(m.A, 0xFF);
}

TEST_F(FlowTest, HltWithTheTimerStoppedEndsAtOnce) {
    EXPECT_EQ(Run({0xFD, 0xB1}), 9u);
    EXPECT_EQ(m.P, 0x4002);
    EXPECT_EQ(m.HLT, 1);
    EXPECT_EQ(m.IR1, 0);
}

// HLT waits for the run-out, ticking with the count of the instruction
// before it; the next step enters the timer interrupt.
TEST_F(FlowTest, HltWaitsForTheTimerThenTheInterruptIsTaken) {
    SetWord(kVectorTimer, 0x2000);
    Load(kCodeAt, {0x38, 0xFD, 0xB1});
    m.P = kCodeAt;
    StepOnce();  // NOP, 5 cycles
    m.TM = 0x0FF;
    EXPECT_EQ(StepOnce(), 9u);
    EXPECT_EQ(m.TM, 0u);
    EXPECT_EQ(m.IR1, 1);
    EXPECT_EQ(m.P, 0x4003);
    Step(&m);
    EXPECT_EQ(m.P, 0x2000);
    EXPECT_EQ(WordAt(0x47FD), 0x4003);
    EXPECT_EQ(m.HLT, 1) << "stays set until a reset";
}

// Straight after a reset Cycle is 0; HLT still ends.
TEST_F(FlowTest, HltAsTheFirstInstructionAfterAResetEnds) {
    SetWord(kVectorReset, kCodeAt);
    Load(kCodeAt, {0xFD, 0xB1});
    CpuReset(&m);
    m.TM = 0x0FF;
    EXPECT_EQ(StepOnce(), 9u);
    EXPECT_EQ(m.TM, 0u);
    EXPECT_EQ(m.IR1, 1);
}

TEST_F(FlowTest, OffStopsTheMachineButAPendingRequestIsStillEntered) {
    SetWord(kVectorMaskable, 0x2000);
    EXPECT_EQ(Run({0xFD, 0x4C}), 8u);
    EXPECT_EQ(m.P, 0x4002);
    EXPECT_EQ(m.OFF, 1);
    m.IR2 = m.IE = 1;  // the ON key
    EXPECT_EQ(Step(&m), 0);
    EXPECT_EQ(m.P, 0x2000);
    EXPECT_EQ(Step(&m), kStepOff);
}

}  // namespace
