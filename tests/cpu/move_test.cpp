// Data movement: loads, stores, block steps, transfers, pushes and pops on
// both banks, TTA/ATT, ITA/ATP, LDI VH.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "machine/clock.h"
#include "tests/cpu/forms.h"

namespace {

class MoveTest : public FormTest {};

const FourteenForms kLda{0x04, 0x84, 0x14, 0x94, 0x24, 0xA4, 0x05, 0x15, 0x25, 0xA5};

TEST_F(MoveTest, LdaLoadsAndSetsZInEveryForm) {
    std::vector<Form> forms = kLda.All();
    forms.push_back({0xB5, Site::Imm});  // LDI A,i
    for (const Form& f : forms) {
        for (uint8_t v : {0x80, 0x00}) {
            Fresh();
            SetFlags(m, 1, v != 0, 1, 1);
            m.A = 0x11;
            RunForm(f, v);
            EXPECT_EQ(m.A, v);
            EXPECT_EQ(FlagText(m), v ? "C1 Z0 H1 V1" : "C1 Z1 H1 V1");
        }
    }
}

// LDI to a register byte and STA to a register byte set no flag and touch
// only their byte of the record.
TEST_F(MoveTest, RegisterByteLoadsChangeOnlyTheirByte) {
    struct Case {
        Bytes code;
        size_t offset;  // of the byte that changes
    };
    const Case cases[] = {
        {{0x48, 0x5A}, offsetof(LH5801, X) + 1}, {{0x4A, 0x5A}, offsetof(LH5801, X)},
        {{0x58, 0x5A}, offsetof(LH5801, Y) + 1}, {{0x5A, 0x5A}, offsetof(LH5801, Y)},
        {{0x68, 0x5A}, offsetof(LH5801, U) + 1}, {{0x6A, 0x5A}, offsetof(LH5801, U)},
        {{0x08}, offsetof(LH5801, X) + 1},       {{0x0A}, offsetof(LH5801, X)},  // STA XH, XL
        {{0x18}, offsetof(LH5801, Y) + 1},       {{0x1A}, offsetof(LH5801, Y)},
        {{0x28}, offsetof(LH5801, U) + 1},       {{0x2A}, offsetof(LH5801, U)},
    };
    auto before = NewMachine();
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.code[0]));
        Fresh();
        m.A = 0x5A;
        m.X = m.Y = m.U = 0xA5A5;
        SetFlags(m, 0, 1, 0, 1);
        Load(kCodeAt, c.code);
        m.P = kCodeAt;
        before->record = m;
        EXPECT_EQ(StepOnce(), c.code.size() == 2 ? 6u : 5u);
        reinterpret_cast<uint8_t*>(&before->record)[c.offset] = 0x5A;
        ExpectOnlyPAndCycleChanged(before->record, m);
    }
}

TEST_F(MoveTest, LdiOfSAndOfVh) {
    EXPECT_EQ(Run({0xAA, 0x12, 0x34}), 12u);
    EXPECT_EQ(m.S, 0x1234);
    m.VRegister = 0x12AB;
    EXPECT_EQ(Run({0x78, 0x5C}), 6u);
    EXPECT_EQ(m.VRegister, 0x5CABu);
}

TEST_F(MoveTest, StaStoresInEveryMemoryForm) {
    for (const Form& f : MemoryForms(0x0E, 0x1E, 0x2E, 0xAE)) {
        Fresh();
        SetFlags(m, 1, 0, 1, 0);
        m.A = 0x00;
        RunForm(f, 0x99);
        EXPECT_EQ(OperandNow(f.site), 0x00);
        EXPECT_EQ(FlagText(m), "C1 Z0 H1 V0") << "no flag";
    }
}

// A store to a main unit port register goes through the ME1 write: the
// port C byte drives the clock chip's lines.
TEST_F(MoveTest, StaToPortCDrivesTheClockChip) {
    m.A = 0x4A;  // buzzer, command 1 (shift), strobe
    m.X = 0xF008;
    EXPECT_EQ(Run({0xFD, 0x0E}), 10u);
    EXPECT_EQ(m.ME1[0xF008], 0x4A);
    EXPECT_EQ(m.CommandeClock, kClockRegisterShift);
    EXPECT_EQ(m.SignalSTB, 1u);
    EXPECT_EQ(m.BuzzerActif, 1u);
}

TEST_F(MoveTest, StaToRomIsDropped) {
    m.A = 0x12;
    m.ME0[0xC000] = 0x34;
    Run({0xAE, 0xC0, 0x00});
    EXPECT_EQ(m.ME0[0xC000], 0x34);
}

struct BlockCase {
    uint8_t op;
    uint16_t LH5801::*reg;
    int step;    // +1 or -1
    bool load;   // LIN/LDE, else SIN/SDE
};

constexpr BlockCase kBlockSteps[] = {
    {0x45, &LH5801::X, +1, true},  {0x55, &LH5801::Y, +1, true},  {0x65, &LH5801::U, +1, true},   // LIN
    {0x47, &LH5801::X, -1, true},  {0x57, &LH5801::Y, -1, true},  {0x67, &LH5801::U, -1, true},   // LDE
    {0x41, &LH5801::X, +1, false}, {0x51, &LH5801::Y, +1, false}, {0x61, &LH5801::U, +1, false},  // SIN
    {0x43, &LH5801::X, -1, false}, {0x53, &LH5801::Y, -1, false}, {0x63, &LH5801::U, -1, false},  // SDE
};

TEST_F(MoveTest, BlockStepsMoveAByteAndStepTheRegister) {
    for (const BlockCase& c : kBlockSteps) {
        for (uint8_t v : {0x00, 0x7E}) {
            SCOPED_TRACE(testing::Message() << std::hex << int(c.op) << " v=" << int(v));
            Fresh();
            SetFlags(m, 1, v != 0, 1, 1);
            m.*c.reg = kDataAt;
            m.ME0[kDataAt] = c.load ? v : 0x99;
            if (!c.load) m.A = v;

            EXPECT_EQ(Run({c.op}), 6u);

            EXPECT_EQ(m.*c.reg, kDataAt + c.step);
            EXPECT_EQ(c.load ? m.A : m.ME0[kDataAt], v);
            // Loads set Z from A; stores keep the Z set against the value.
            const bool z = c.load ? v == 0 : v != 0;
            EXPECT_EQ(FlagText(m), z ? "C1 Z1 H1 V1" : "C1 Z0 H1 V1");
        }
    }
}

TEST_F(MoveTest, BlockStepsWrapWithin16Bits) {
    m.U = 0x0000;
    m.A = 0x42;
    Run({0x63});  // SDE U
    EXPECT_EQ(m.ME0[0x0000], 0x42);
    EXPECT_EQ(m.U, 0xFFFF);
    m.ME0[0xFFFF] = 0x24;
    Run({0x65});  // LIN U
    EXPECT_EQ(m.A, 0x24);
    EXPECT_EQ(m.U, 0x0000);
}

TEST_F(MoveTest, TinCopiesWithinTheMainBank) {
    m.X = 0x4400;
    m.Y = 0x4500;
    m.ME0[0x4400] = 0x5A;
    m.ME1[0x4400] = 0x11;
    EXPECT_EQ(Run({0xF5}), 7u);
    EXPECT_EQ(m.ME0[0x4500], 0x5A);
    EXPECT_EQ(m.ME1[0x4500], 0x00);
    EXPECT_EQ(m.X, 0x4401);
    EXPECT_EQ(m.Y, 0x4501);

    m.Y = m.X;  // the same byte rewritten, both advanced
    m.ME0[0x4401] = 0x77;
    Run({0xF5});
    EXPECT_EQ(m.ME0[0x4401], 0x77);
    EXPECT_EQ(m.X, 0x4402);
    EXPECT_EQ(m.Y, 0x4402);
}

TEST_F(MoveTest, LdxAndStxTransferThroughX) {
    struct Case {
        uint8_t op;
        uint16_t LH5801::*reg;
        bool toX;
    };
    constexpr Case cases[] = {
        {0x18, &LH5801::Y, true},  {0x28, &LH5801::U, true},  {0x48, &LH5801::S, true},
        {0x5A, &LH5801::Y, false}, {0x6A, &LH5801::U, false}, {0x4E, &LH5801::S, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.op));
        Fresh();
        SetFlags(m, 1, 1, 1, 1);
        m.X = 0x1111;
        m.*c.reg = 0x2222;
        EXPECT_EQ(Run({0xFD, c.op}), 11u);
        EXPECT_EQ(m.X, c.toX ? 0x2222 : 0x1111);
        EXPECT_EQ(m.*c.reg, c.toX ? 0x2222 : 0x1111);
        EXPECT_EQ(FlagText(m), "C1 Z1 H1 V1");
        EXPECT_EQ(m.P, 0x4002);
    }
}

TEST_F(MoveTest, LdxAndStxOfXLeaveXUnchanged) {
    m.X = 0x1357;
    EXPECT_EQ(Run({0xFD, 0x08}), 11u);
    EXPECT_EQ(m.X, 0x1357);
    EXPECT_EQ(Run({0xFD, 0x4A}), 11u);
    EXPECT_EQ(m.X, 0x1357);
}

TEST_F(MoveTest, LdxPTakesTheAddressOfTheInstruction) {
    EXPECT_EQ(Run({0xFD, 0x58}, 0x4123), 11u);
    EXPECT_EQ(m.X, 0x4123);
    EXPECT_EQ(m.P, 0x4125);
}

TEST_F(MoveTest, StxPJumpsToX) {
    m.X = 0x2468;
    EXPECT_EQ(Run({0xFD, 0x5E}), 11u);
    EXPECT_EQ(m.P, 0x2468);
}

TEST_F(MoveTest, PushAndPopAWordHighByteAtTheLowerAddress) {
    m.X = 0x1234;
    EXPECT_EQ(Run({0xFD, 0x88}), 14u);  // PSH X
    EXPECT_EQ(m.ME0[0x47FF], 0x34);
    EXPECT_EQ(m.ME0[0x47FE], 0x12);
    EXPECT_EQ(m.S, 0x47FD);
    EXPECT_EQ(Run({0xFD, 0x1A}), 15u);  // POP Y
    EXPECT_EQ(m.Y, 0x1234);
    EXPECT_EQ(m.S, 0x47FF);
}

TEST_F(MoveTest, EveryRegisterPushPopRoundTrips) {
    struct Case {
        uint8_t push, pop;
        uint16_t LH5801::*reg;
    };
    for (const Case c : {Case{0x88, 0x0A, &LH5801::X}, Case{0x98, 0x1A, &LH5801::Y}, Case{0xA8, 0x2A, &LH5801::U}}) {
        Fresh();
        SetFlags(m, 1, 1, 1, 1);
        m.*c.reg = 0xBEEF;
        Run({0xFD, c.push});
        m.*c.reg = 0;
        Run({0xFD, c.pop});
        EXPECT_EQ(m.*c.reg, 0xBEEF);
        EXPECT_EQ(m.S, kStackTop);
        EXPECT_EQ(FlagText(m), "C1 Z1 H1 V1");
    }
}

TEST_F(MoveTest, PshAAndPopARoundTripWithZFromThePop) {
    m.A = 0x00;
    m.Z = 0;
    EXPECT_EQ(Run({0xFD, 0xC8}), 11u);
    EXPECT_EQ(m.ME0[0x47FF], 0x00);
    EXPECT_EQ(m.S, 0x47FE);
    EXPECT_EQ(m.Z, 0) << "a push sets no flag";
    m.A = 0x55;
    EXPECT_EQ(Run({0xFD, 0x8A}), 12u);
    EXPECT_EQ(m.A, 0x00);
    EXPECT_EQ(m.Z, 1);
    EXPECT_EQ(m.S, kStackTop);
}

// Through the system RAM: SJP, a PSH/POP inside the routine, RTN.
TEST_F(MoveTest, CallAndStackInSystemRam) {
    Load(0x4000, {0xBE, 0x41, 0x00,  // SJP 4100
                  0x38});            // NOP
    Load(0x4100, {0xFD, 0x98,        // PSH Y
                  0x5A, 0x00,        // LDI YL,00
                  0xFD, 0x1A,        // POP Y
                  0x9A});            // RTN
    m.S = 0x7BFF;
    m.Y = 0xCAFE;
    m.P = 0x4000;
    for (int i = 0; i < 5; ++i) StepOnce();
    EXPECT_EQ(m.P, 0x4003);
    EXPECT_EQ(m.S, 0x7BFF);
    EXPECT_EQ(m.Y, 0xCAFE);
    EXPECT_EQ(m.ME0[0x7FFF], 0x03) << "the 1 KB block is seen twice";
}

TEST_F(MoveTest, TtaPacksAndAttUnpacksTheFlags) {
    EXPECT_EQ(Run({0xFD, 0xAA}), 9u);
    EXPECT_EQ(m.A, 0x00);
    EXPECT_EQ(m.Z, 1);

    SetFlags(m, 1, 0, 1, 0);
    m.IE = 1;
    Run({0xFD, 0xAA});
    EXPECT_EQ(m.A, 0x13);
    EXPECT_EQ(m.Z, 0);

    m.A = 0xFF;
    EXPECT_EQ(Run({0xFD, 0xEC}), 9u);
    EXPECT_EQ(FlagText(m), "C1 Z1 H1 V1");
    EXPECT_EQ(m.IE, 1);
    m.A = 0xE0;  // bits 5-7 ignored
    Run({0xFD, 0xEC});
    EXPECT_EQ(FlagText(m), "C0 Z0 H0 V0");
    EXPECT_EQ(m.IE, 0);
}

TEST_F(MoveTest, AttSettingIeLetsAPendingRequestIn) {
    SetWord(kVectorMaskable, 0x2000);
    m.IR2 = 1;
    m.A = 0x02;
    Run({0xFD, 0xEC});
    EXPECT_EQ(m.IE, 1);
    Step(&m);
    EXPECT_EQ(m.P, 0x2000);
}

TEST_F(MoveTest, ItaConsumesThePortByteAndAtpSetsIt) {
    m.InOut = 0x5A;
    EXPECT_EQ(Run({0xFD, 0xBA}), 9u);
    EXPECT_EQ(m.A, 0x5A);
    EXPECT_EQ(m.InOut, 0xFFu);
    Run({0xFD, 0xBA});
    EXPECT_EQ(m.A, 0xFF) << "nothing new came in";

    m.A = 0x3C;
    EXPECT_EQ(Run({0xFD, 0xCC}), 9u);
    EXPECT_EQ(m.InOut, 0x3Cu);
    EXPECT_EQ(m.A, 0x3C);
}

// The keyboard read latches the port byte; ITA then takes it once.
TEST_F(MoveTest, ItaTakesTheByteOfAKeyboardRead) {
    m.ToucheLue = 5;
    m.ScanClavier[3] = 0xFB;
    m.ME1[0xF00C] = 0x04;
    Load(kCodeAt, {0xFD, 0xA5, 0xF0, 0x0E,  // LDA #(F00E)
                   0xFD, 0xBA, 0xFD, 0xBA});
    m.P = kCodeAt;
    StepOnce();
    EXPECT_EQ(m.A, 0xFB);
    m.A = 0;
    StepOnce();
    EXPECT_EQ(m.A, 0xFB);
    StepOnce();
    EXPECT_EQ(m.A, 0xFF);
}

}  // namespace
