// Logic instructions (with the read-back rule of ANI and ORI to memory),
// BIT/BII, the shift and rotate tables, DRL/DRR, AEX, and the single ME1
// read of the second-bank forms.
#include <gtest/gtest.h>

#include "machine/clock.h"
#include "tests/cpu/forms.h"

namespace {

class LogicTest : public FormTest {};

// A = 5C against M = 3A and against 00.
TEST_F(LogicTest, AndOraEorSetOnlyZ) {
    struct Family {
        const char* name;
        std::vector<Form> forms;
        uint8_t result5C3A, result5C00;
    };
    const Family families[] = {
        {"AND", MemoryForms(0x09, 0x19, 0x29, 0xA9), 0x18, 0x00},
        {"ORA", MemoryForms(0x0B, 0x1B, 0x2B, 0xAB), 0x7E, 0x5C},
        {"EOR", MemoryForms(0x0D, 0x1D, 0x2D, 0xAD), 0x66, 0x5C},
        {"ANI A,i", {{0xB9, Site::Imm}}, 0x18, 0x00},
        {"ORI A,i", {{0xBB, Site::Imm}}, 0x7E, 0x5C},
        {"EAI", {{0xBD, Site::Imm}}, 0x66, 0x5C},
    };
    for (const Family& family : families) {
        SCOPED_TRACE(family.name);
        for (const Form& f : family.forms) {
            for (auto [mValue, result] : {std::pair{0x3A, family.result5C3A}, {0x00, family.result5C00}}) {
                Fresh();
                SetFlags(m, 1, 1 - (result == 0), 1, 1);
                m.A = 0x5C;
                RunForm(f, static_cast<uint8_t>(mValue));
                EXPECT_EQ(m.A, result);
                EXPECT_EQ(FlagText(m), result == 0 ? "C1 Z1 H1 V1" : "C1 Z0 H1 V1");
            }
        }
    }
    Fresh();
    m.A = 0x5C;
    RunForm({0xBD, Site::Imm}, 0x5C);  // EAI to zero
    EXPECT_EQ(m.Z, 1);
}

TEST_F(LogicTest, BitAndBiiTestWithoutChangingAnything) {
    struct Family {
        const char* name;
        std::vector<Form> forms;
        bool immediate;  // the tested byte is i, M the mask
    };
    std::vector<Form> bii = MemoryForms(0x4D, 0x5D, 0x6D, 0xED);
    const Family families[] = {
        {"BIT", MemoryForms(0x0F, 0x1F, 0x2F, 0xAF), false},
        {"BII A,i", {{0xBF, Site::Imm}}, false},
        {"BII to memory", bii, true},
    };
    for (const Family& family : families) {
        SCOPED_TRACE(family.name);
        for (const Form& f : family.forms) {
            for (auto [mask, z] : {std::pair{0x0F, 1}, {0x10, 0}}) {
                Fresh();
                SetFlags(m, 1, 1 - z, 1, 1);
                m.A = family.immediate ? 0x77 : 0xF0;
                if (family.immediate) RunForm(f, 0xF0, static_cast<uint8_t>(mask));
                else RunForm(f, static_cast<uint8_t>(mask));
                EXPECT_EQ(m.Z, z);
                EXPECT_EQ(m.A, family.immediate ? 0x77 : 0xF0);
                if (InMemory(f.site)) {
                    EXPECT_EQ(OperandNow(f.site), family.immediate ? 0xF0 : mask);
                }
            }
        }
    }
}

// ANI and ORI to memory write the result back and take Z from the byte
// read back afterwards.
TEST_F(LogicTest, AniAndOriToMemoryWriteBack) {
    struct Family {
        const char* name;
        std::vector<Form> forms;
        uint8_t m, i, result;
    };
    const Family families[] = {
        {"ANI", MemoryForms(0x49, 0x59, 0x69, 0xE9), 0x5C, 0x3A, 0x18},
        {"ANI to zero", MemoryForms(0x49, 0x59, 0x69, 0xE9), 0x5C, 0x03, 0x00},
        {"ORI", MemoryForms(0x4B, 0x5B, 0x6B, 0xEB), 0x5C, 0x3A, 0x7E},
        {"ORI of zeros", MemoryForms(0x4B, 0x5B, 0x6B, 0xEB), 0x00, 0x00, 0x00},
    };
    for (const Family& family : families) {
        SCOPED_TRACE(family.name);
        for (const Form& f : family.forms) {
            Fresh();
            SetFlags(m, 1, 1 - (family.result == 0), 1, 1);
            m.A = 0x77;
            RunForm(f, family.m, family.i);
            EXPECT_EQ(OperandNow(f.site), family.result);
            EXPECT_EQ(FlagText(m), family.result == 0 ? "C1 Z1 H1 V1" : "C1 Z0 H1 V1");
            EXPECT_EQ(m.A, 0x77);
        }
    }
}

// On ROM (or where no RAM is) the write is refused: Z comes from the byte
// as it still is, not from the computed result.
TEST_F(LogicTest, AniAndOriOnReadOnlyMemoryTakeZFromTheUnchangedByte) {
    struct Case {
        const char* name;
        std::vector<Form> forms;
        uint16_t at;
        uint8_t m, i;
        uint16_t z;
    };
    const Case cases[] = {
        {"ANI on ROM", MemoryForms(0x49, 0x59, 0x69, 0xE9), 0xC000, 0x0F, 0xF0, 0},
        {"ORI on ROM", MemoryForms(0x4B, 0x5B, 0x6B, 0xEB), 0xC000, 0x00, 0x0F, 1},
        {"ANI where no RAM is", MemoryForms(0x49, 0x59, 0x69, 0xE9), 0x6F80, 0x0F, 0xF0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const Form& f : c.forms) {
            if (OnSecondBank(f.site)) continue;
            Fresh();
            m.Z = 1 - c.z;
            RunFormAt(f, c.at, c.m, c.i);
            EXPECT_EQ(m.ME0[c.at], c.m);
            EXPECT_EQ(m.Z, c.z);
        }
    }
}

// Every second-bank form reads its ME1 operand exactly once: in Register
// Shift each read of port B F00F consumes one clock bit.
TEST_F(LogicTest, SecondBankFormsReadTheirOperandOnce) {
    const std::vector<Form> forms = {
        {FD(0xA3), Site::IoAb}, {FD(0xA1), Site::IoAb}, {FD(0xA5), Site::IoAb}, {FD(0xA7), Site::IoAb},
        {FD(0xA9), Site::IoAb}, {FD(0xAB), Site::IoAb}, {FD(0xAD), Site::IoAb}, {FD(0xAF), Site::IoAb},
        {FD(0xE9), Site::IoAb}, {FD(0xEB), Site::IoAb}, {FD(0xED), Site::IoAb}, {FD(0xEF), Site::IoAb},
        {FD(0x8C), Site::IoX},  {FD(0x0C), Site::IoX},  {FD(0xD7), Site::IoX},  {FD(0xD3), Site::IoX},
    };
    for (const Form& f : forms) {
        Fresh();
        m.CommandeClock = kClockRegisterShift;
        m.X = 0xF00F;
        RunFormAt(f, 0xF00F, 0x00, 0xFF);
        EXPECT_EQ(m.IndiceClockR, 1u) << InstructionText(f.index);
    }
}

// The read-back of ORI #(ab) comes from the array: it consumes no clock bit
// and sees the byte the ME1 read stored (port B bit 3 forced to 1).
TEST_F(LogicTest, OriToPortBTakesZFromTheArrayWithoutASecondRead) {
    m.CommandeClock = kClockRegisterShift;
    m.ClockData[0] = 1;
    RunFormAt({FD(0xEB), Site::IoAb}, 0xF00F, 0x00, 0x01);
    EXPECT_EQ(m.ME1[0xF00F], 0x49);
    EXPECT_EQ(m.Z, 0);
    EXPECT_EQ(m.IndiceClockR, 1u);
}

struct ShiftCase {
    uint8_t op, a;
    uint16_t c;
    uint8_t result;
    const char* flags;
};

// Left: C bit 7, H bit 3, V bit 7 xor bit 6. Right: C bit 0, H bit 4, V bit 0
// xor bit 1. SHL and SHR shift in 0 whatever C is.
constexpr ShiftCase kShifts[] = {
    {0xDB, 0x80, 0, 0x00, "C1 Z1 H0 V1"},  // ROL
    {0xDB, 0x48, 1, 0x91, "C0 Z0 H1 V1"},  {0xDB, 0xC0, 1, 0x81, "C1 Z0 H0 V0"},
    {0xD9, 0x81, 1, 0x02, "C1 Z0 H0 V1"},  // SHL
    {0xD9, 0x08, 0, 0x10, "C0 Z0 H1 V0"},  {0xD9, 0x00, 1, 0x00, "C0 Z1 H0 V0"},
    {0xD1, 0x01, 1, 0x80, "C1 Z0 H0 V1"},  // ROR
    {0xD1, 0x12, 0, 0x09, "C0 Z0 H1 V1"},  {0xD1, 0x03, 0, 0x01, "C1 Z0 H0 V0"},
    {0xD5, 0x10, 1, 0x08, "C0 Z0 H1 V0"},  // SHR
    {0xD5, 0x01, 0, 0x00, "C1 Z1 H0 V1"},  {0xD5, 0xFF, 1, 0x7F, "C1 Z0 H1 V0"},
};

TEST_F(LogicTest, ShiftsAndRotates) {
    for (const ShiftCase& c : kShifts) {
        SCOPED_TRACE(testing::Message() << std::hex << int(c.op) << " A=" << int(c.a) << " C=" << c.c);
        Fresh();
        SetFlags(m, c.c, 0, 0, 0);
        m.A = c.a;
        RunForm({c.op, Site::A}, c.a);
        EXPECT_EQ(m.A, c.result);
        EXPECT_EQ(FlagText(m), c.flags);
    }
}

// DRL and DRR rotate digits between A and the byte at X, on both banks.
TEST_F(LogicTest, DigitRotates) {
    struct Case {
        Form form;
        uint8_t byteAfter;
    };
    const Case cases[] = {
        {{0xD7, Site::X}, 0x41},   {{FD(0xD7), Site::IoX}, 0x41},  // DRL
        {{0xD3, Site::X}, 0x23},   {{FD(0xD3), Site::IoX}, 0x23},  // DRR
    };
    for (const Case& c : cases) {
        Fresh();
        SetFlags(m, 1, 0, 1, 0);
        m.A = 0x12;
        RunForm(c.form, 0x34);
        EXPECT_EQ(m.A, 0x34);
        EXPECT_EQ(OperandNow(c.form.site), c.byteAfter);
        EXPECT_EQ(FlagText(m), "C1 Z0 H1 V0");
    }
}

TEST_F(LogicTest, DigitRotateOnRomLoadsAButLeavesTheByte) {
    m.A = 0x12;
    RunFormAt({0xD7, Site::X}, 0xC000, 0x34);
    EXPECT_EQ(m.A, 0x34);
    EXPECT_EQ(m.ME0[0xC000], 0x34);
}

TEST_F(LogicTest, AexExchangesTheDigitsOfA) {
    SetFlags(m, 1, 1, 1, 1);
    m.A = 0x3C;
    EXPECT_EQ(Run({0xF1}), 6u);
    EXPECT_EQ(m.A, 0xC3);
    EXPECT_EQ(FlagText(m), "C1 Z1 H1 V1");
}

}  // namespace
