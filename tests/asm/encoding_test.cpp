// Instructions of every family assembled to bytes written out by hand, not
// taken from the opcode table: a table whose mnemonics, operand forms or
// opcodes moved against each other fails here even though it still agrees
// with itself.
#include <gtest/gtest.h>

#include "tools/asm/assembler.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Case {
    const char* source;
    Bytes bytes;
};

void ExpectEncodings(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        const auto a = lh5801asm::AssembleText(c.source);
        std::string errors;
        for (const auto& e : a.errors) errors += e.Text() + "\n";
        EXPECT_TRUE(a.ok()) << c.source << ": " << errors;
        EXPECT_EQ(lh5801asm::Image(a, {}), c.bytes) << c.source;
    }
}

TEST(Encoding, ArithmeticAndLogic) {
    ExpectEncodings({
        {"SBC XL", {0x00}},
        {"ADC (X)", {0x03}},
        {"ADC (Y)", {0x13}},
        {"ADI A,&05", {0xB3, 0x05}},
        {"CPI A,&80", {0xB7, 0x80}},
        {"ANI (X),&0F", {0x49, 0x0F}},
        {"ADI (X),&01", {0x4F, 0x01}},
        {"EAI &FF", {0xBD, 0xFF}},
        {"INC A", {0xDD}},
        {"DEC A", {0xDF}},
        {"INC X", {0x44}},
        {"ROR", {0xD1}},
        {"SHR", {0xD5}},
        {"SHL", {0xD9}},
        {"ROL", {0xDB}},
        {"DRR (X)", {0xD3}},
        {"DCA #(X)", {0xFD, 0x8C}},
        {"EOR #(Y)", {0xFD, 0x1D}},
        {"ADR X", {0xFD, 0xCA}},
        {"AND #(&F00E)", {0xFD, 0xA9, 0xF0, 0x0E}},
        {"ORI #(&1234),&55", {0xFD, 0xEB, 0x12, 0x34, 0x55}},
    });
}

TEST(Encoding, DataMovementAndStack) {
    ExpectEncodings({
        {"LDA XL", {0x04}},
        {"LDA (X)", {0x05}},
        {"STA XH", {0x08}},
        {"STA (Y)", {0x1E}},
        {"LDI XH,&41", {0x48, 0x41}},
        {"LDI A,&5A", {0xB5, 0x5A}},
        {"LDI S,&7BFF", {0xAA, 0x7B, 0xFF}},
        {"LIN X", {0x45}},
        {"STX U", {0xFD, 0x6A}},
        {"PSH A", {0xFD, 0xC8}},
        {"PSH X", {0xFD, 0x88}},
        {"POP A", {0xFD, 0x8A}},
        {"LDA #(&F00E)", {0xFD, 0xA5, 0xF0, 0x0E}},
        {"STA #(&F00C)", {0xFD, 0xAE, 0xF0, 0x0C}},
        {"TTA", {0xFD, 0xAA}},
        {"ATT", {0xFD, 0xEC}},
        {"ITA", {0xFD, 0xBA}},
        {"AM0", {0xFD, 0xCE}},
        {"AM1", {0xFD, 0xDE}},
    });
}

TEST(Encoding, ControlFlow) {
    ExpectEncodings({
        {"NOP", {0x38}},
        {"JMP &1234", {0xBA, 0x12, 0x34}},
        {"SJP &4030", {0xBE, 0x40, 0x30}},
        {"RTN", {0x9A}},
        {"RTI", {0x8A}},
        {"BZS t\nNOP\nt:", {0x8B, 0x01, 0x38}},
        {"t: NOP\nBCH t", {0x38, 0x9E, 0x03}},
        {"t: LOP UL,t", {0x88, 0x02}},
        {"VEJ (&C0)", {0xC0}},
        {"VMJ &20", {0xCD, 0x20}},
        {"SPU", {0xE1}},
        {"SIE", {0xFD, 0x81}},
        {"RIE", {0xFD, 0xBE}},
        {"HLT", {0xFD, 0xB1}},
        {"OFF", {0xFD, 0x4C}},
        {"SDP", {0xFD, 0xC1}},
        {"RDP", {0xFD, 0xC0}},
        {"CDV", {0xFD, 0x8E}},
    });
}

}  // namespace
