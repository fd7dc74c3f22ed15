// The CPU's side of a step: undefined opcodes, the FD prefix and the CPU
// reset. The step itself, interrupt entry and the hard reset are in
// tests/machine/step_test.cpp.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "cpu/cpu.h"
#include "cpu/opcodes.h"
#include "tests/cpu/run.h"

namespace {

class StepTest : public MachineTest {};

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

}  // namespace
