// The texts of traced instructions: instruction line, description, register
// line with the address comment, access line; in full and listing-only form.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "cpu/opcodes.h"
#include "debug/instruction_text.h"
#include "debug/trace_writer.h"
#include "tests/debug/trace_fixture.h"

namespace {

struct Case {
    const char* name;
    Bytes bytes;
    std::function<void(LH5801&)> setup = [](LH5801&) {};
    uint16_t at = kCodeAt;
    bool listingOnly = false;
};

class InstructionTextTest : public MachineTest {
protected:
    // The same registers and memory before every case.
    void Base() {
        Fresh();
        m.A = 0x5A;
        m.X = 0x7650;
        m.Y = 0x7900;
        m.U = 0x1234;
        m.S = 0x47F0;
        m.C = 1;
        m.IE = 1;
        m.TM = 0x1FF;
        m.Cycle = 7;
        m.InOut = 0xFF;
        m.ME0[0x7650] = 0x41;
        m.ME0[0x7900] = 0x99;
        m.ME0[0x7880] = 0x3C;
        m.ME0[0x1234] = 0x77;
        m.ME1[0xF00E] = 0xEE;
        m.ME1[0x1234] = 0x88;
        m.ME1[0x7650] = 0x66;
        Load(0xFF10, {0xE1, 0x23});  // vector 10
        Load(0xFF20, {0xE4, 0x56});  // vector 20
        Load(0xFFC0, {0xDD, 0x08});  // vector C0
    }

    // The record the trace writes for the case, under a "## name" line.
    std::string Record(const Case& c) {
        Base();
        c.setup(m);
        Load(c.at, c.bytes);
        m.P = c.at;
        m.Desassemble = c.listingOnly;
        const int index = c.bytes[0] == 0xFD ? kFdPage + c.bytes[1] : c.bytes[0];
        FormInstructionTexts(&m, index);
        Capture out;
        WriteInstructionRecord(out.file(), &m);
        return std::string("## ") + c.name + "\n" + out.Text();
    }
};

// One case per operand kind of the line templates, with the access lines
// (RAM name, ROM comment, empty ROM comment, none) and listing-only forms.
TEST_F(InstructionTextTest, RecordsOfEveryOperandKind) {
    const Case cases[] = {
        // Operand in the first bank.
        {"LDA (ab) on unnamed RAM", {0xA5, 0x40, 0x00}},
        {"LDA (ab) on a commented ROM address", {0xA5, 0xA0, 0x00}},
        {"LDA (ab) on an uncommented ROM address", {0xA5, 0xC0, 0x10}},
        {"LDA (X) on a string variable", {0x05}},
        {"ADC (Y)", {0x13}},
        {"STA (Y) shows A", {0x1E}},
        {"STA (ab)", {0xAE, 0x78, 0x80}},
        {"DCA (U)", {0xAC}},
        {"LIN Y", {0x55}},
        {"LDE X", {0x47}},
        {"SIN X", {0x41}},
        {"SDE U", {0x63}},
        {"SDE Y", {0x53}},
        {"SDE X", {0x43}},
        // Operand in the second bank.
        {"LDA #(X)", {0xFD, 0x05}, [](LH5801& m) { m.X = 0xF00E; }},
        {"STA #(ab) shows A", {0xFD, 0xAE, 0xB0, 0x08}},
        {"ADC #(U) annotates U in the first bank", {0xFD, 0x23}, [](LH5801& m) { m.U = 0x7650; }},
        {"ADC #(X) has no access line", {0xFD, 0x03}},
        {"EOR #(ab)", {0xFD, 0xAD, 0x12, 0x34}},
        // Immediate and memory.
        {"ANI (ab),i", {0xE9, 0x78, 0x80, 0x0F}},
        {"BII (X),i", {0x4D, 0x01}},
        {"ORI #(U),i", {0xFD, 0x6B, 0x12}},
        {"ADI #(ab),i", {0xFD, 0xEF, 0x76, 0x50, 0x03}},
        // Immediate and register.
        {"ADI A,i", {0xB3, 0x05}},
        {"SBI A,i", {0xB1, 0x05}},
        {"EAI i", {0xBD, 0xFF}},
        {"ANI A,i", {0xB9, 0x0F}},
        {"ORI A,i", {0xBB, 0x80}},
        {"BII A,i", {0xBF, 0x80}},
        {"CPI A,i", {0xB7, 0x5A}},
        {"CPI UH,i", {0x6C, 0x12}},
        {"LDI A,i", {0xB5, 0x00}},
        {"LDI XH,i", {0x48, 0x41}},
        {"LDI YL,i", {0x5A, 0x00}},
        {"LDI VH,i", {0x78, 0x9A}},
        {"LDI S,ab", {0xAA, 0x7B, 0xFF}},
        // Register.
        {"SBC XH", {0x80}},
        {"ADC UL", {0x22}},
        {"LDA XL", {0x04}},
        {"STA YH", {0x18}},
        {"CPA UH", {0xA6}},
        {"INC A", {0xDD}},
        {"DEC U shows all its digits", {0x66}},
        {"INC XH", {0xFD, 0x40}},
        {"ADR U", {0xFD, 0xEA}},
        // No operand.
        {"NOP", {0x38}},
        {"PSH A", {0xFD, 0xC8}},
        {"POP U", {0xFD, 0x2A}},
        {"AM0", {0xFD, 0xCE}},
        {"CIN on a ROM address", {0xF7}, [](LH5801& m) { m.X = 0xA000; }},
        {"TIN between two named variables", {0xF5}, [](LH5801& m) { m.Y = 0x7908; }},
        {"TIN from unnamed RAM", {0xF5}, [](LH5801& m) { m.X = 0x4100; }},
        {"RTN", {0x9A}},
        {"OFF", {0xFD, 0x4C}},
        // Control flow.
        {"BCH +", {0x8E, 0x05}},
        {"BZS -", {0x9B, 0x03}},
        {"BCR +", {0x81, 0x10}},
        {"BVS -", {0x9F, 0x10}},
        {"VZR", {0xC9, 0x10}},
        {"VMJ", {0xCD, 0x20}},
        {"VEJ (C0) in the ROM", {0xC0}, [](LH5801&) {}, 0xDD08},
        {"JMP", {0xBA, 0xC0, 0x00}},
        {"SJP to a commented address", {0xBE, 0xA0, 0x41}},
        {"LOP", {0x88, 0x05}},
        // X loads and stores, digit rotates.
        {"LDX P", {0xFD, 0x58}},
        {"LDX S", {0xFD, 0x48}},
        {"STX P", {0xFD, 0x5E}},
        {"DRL (X)", {0xD7}},
        {"DRR #(X)", {0xFD, 0xD3}},
        // Undefined opcodes.
        {"undefined first page", {0x30}},
        {"undefined FD page", {0xFD, 0x00}},
        // A comment holding a percent sign is written as it stands.
        {"NOP at a comment with a percent sign", {0x38}, [](LH5801&) {}, 0xA07F},
        // Listing-only mode: the short lines.
        {"listing LDA (X)", {0x05}, [](LH5801&) {}, kCodeAt, true},
        {"listing LDA #(ab)", {0xFD, 0xA5, 0xF0, 0x0E}, [](LH5801&) {}, kCodeAt, true},
        {"listing ANI (ab),i", {0xE9, 0x78, 0x80, 0x0F}, [](LH5801&) {}, kCodeAt, true},
        {"listing ORI #(U),i", {0xFD, 0x6B, 0x12}, [](LH5801&) {}, kCodeAt, true},
        {"listing ADI A,i", {0xB3, 0x05}, [](LH5801&) {}, kCodeAt, true},
        {"listing SBI A,i", {0xB1, 0x05}, [](LH5801&) {}, kCodeAt, true},
        {"listing EAI i", {0xBD, 0xFF}, [](LH5801&) {}, kCodeAt, true},
        {"listing CPI UH,i", {0x6C, 0x12}, [](LH5801&) {}, kCodeAt, true},
        {"listing LDI A,i", {0xB5, 0x00}, [](LH5801&) {}, kCodeAt, true},
        {"listing LDI XL,i", {0x4A, 0x00}, [](LH5801&) {}, kCodeAt, true},
        {"listing LDI VH,i", {0x78, 0x9A}, [](LH5801&) {}, kCodeAt, true},
        {"listing LDI S,ab", {0xAA, 0x7B, 0xFF}, [](LH5801&) {}, kCodeAt, true},
        {"listing SBC XH", {0x80}, [](LH5801&) {}, kCodeAt, true},
        {"listing LDA XL", {0x04}, [](LH5801&) {}, kCodeAt, true},
        {"listing DEC U", {0x66}, [](LH5801&) {}, kCodeAt, true},
        {"listing SDE U", {0x63}, [](LH5801&) {}, kCodeAt, true},
        {"listing BCH +", {0x8E, 0x05}, [](LH5801&) {}, kCodeAt, true},
        {"listing LOP", {0x88, 0x05}, [](LH5801&) {}, kCodeAt, true},
        {"listing LDX P", {0xFD, 0x58}, [](LH5801&) {}, kCodeAt, true},
        {"listing STX P", {0xFD, 0x5E}, [](LH5801&) {}, kCodeAt, true},
        {"listing DRR #(X)", {0xFD, 0xD3}, [](LH5801&) {}, kCodeAt, true},
        {"listing VEJ (C0)", {0xC0}, [](LH5801&) {}, kCodeAt, true},
    };
    std::string all;
    for (const Case& c : cases) all += Record(c);
    ExpectGolden("instructions.golden", all);
}

// Every entry of both pages, in both forms: the address, the bytes field of
// the instruction's length, a mnemonic text, the newline, a description.
TEST_F(InstructionTextTest, EveryEntryHasALineAndADescription) {
    for (int index = 0; index < 512; ++index) {
        if (kOpcodes[index].mnemonic == Mn::Prefix) continue;
        for (bool listingOnly : {false, true}) {
            Base();
            const int length = kOpcodes[index].length;
            Bytes bytes = IsFdPage(index) ? Bytes{0xFD, static_cast<uint8_t>(index)} : Bytes{static_cast<uint8_t>(index)};
            while (static_cast<int>(bytes.size()) < length) bytes.push_back(0x21);
            Load(kCodeAt, bytes);
            m.P = kCodeAt;
            m.Desassemble = listingOnly;
            FormInstructionTexts(&m, index);
            std::string field;
            for (uint8_t b : bytes) {
                char hex[3];
                std::snprintf(hex, sizeof hex, "%02X", b);
                field += hex;
            }
            field.resize(15, ' ');
            const std::string mo = m.MO;
            SCOPED_TRACE(mo);
            EXPECT_EQ(mo.substr(0, 24), "0x4000 : " + field) << index;
            EXPECT_GT(mo.size(), 26u) << index;
            EXPECT_EQ(mo.back(), '\n') << index;
            EXPECT_EQ(mo.find('\n'), mo.size() - 1) << index;
            EXPECT_NE(m.Li[0], '\0') << index;
        }
    }
}

// The register line shows the state before the instruction and the cycle
// count of the instruction before it; below A000 there is no comment.
TEST_F(InstructionTextTest, RegisterLineShowsTheStateBefore) {
    Base();
    m.Z = 1;
    m.IR1 = 1;
    m.PV = 1;
    m.DISP = 1;
    m.P = 0x4000;
    FormRegisterLine(&m);
    EXPECT_STREQ(m.BU,
                 "                        IE:1 C:1 Z:1 H:0 V:0 IR0:0 IR1:1 IR2:0 PV:1 PU:0 DISP:1 A:5A X:7650 "
                 "Y:7900 U:1234 InOut:FF P:4000 S:47F0 TM:1FF Nb Cycle:07\n");
    EXPECT_STREQ(m.Debug, "");
    m.P = 0xDD08;
    FormRegisterLine(&m);
    EXPECT_STREQ(m.Debug, "SBR C0");
}

// The register line is formed without printf; it must read as the printf
// format does for any register values, out-of-range ones included.
TEST_F(InstructionTextTest, RegisterLineReadsAsItsFormat) {
    std::mt19937 random(5801);
    for (int k = 0; k < 2000; ++k) {
        uint16_t* words[] = {&m.IE, &m.C, &m.Z, &m.H, &m.V, &m.IR0, &m.IR1, &m.IR2, &m.PV, &m.PU, &m.DISP,
                             &m.A, &m.X, &m.Y, &m.U, &m.P, &m.S};
        for (uint16_t* w : words) *w = static_cast<uint16_t>(k < 1000 ? random() % 3 : random());
        m.InOut = random() % (k < 1000 ? 0x100 : 0x10000);
        m.TM = random() % (k < 1000 ? 0x200 : 0x100000);
        m.Cycle = random() % (k < 1000 ? 24 : 0x7FFFFFFF);
        FormRegisterLine(&m);
        char expected[512];
        std::snprintf(expected, sizeof expected,
                      "                        IE:%01d C:%01d Z:%01d H:%01d V:%01d IR0:%01d IR1:%01d IR2:%01d PV:%01d "
                      "PU:%01d DISP:%01d A:%02X X:%04X Y:%04X U:%04X InOut:%02X P:%04X S:%04X TM:%03X Nb Cycle:%02d\n",
                      m.IE, m.C, m.Z, m.H, m.V, m.IR0, m.IR1, m.IR2, m.PV, m.PU, m.DISP, m.A, m.X, m.Y, m.U, m.InOut, m.P,
                      m.S, m.TM, static_cast<int>(m.Cycle));
        ASSERT_STREQ(m.BU, expected);
    }
}

}  // namespace
