// The opcode facts of the LH5801: for each of the 512 dispatch entries (first
// page 00-FF, then the page after the prefix FD) its mnemonic, operand form,
// length in bytes (FD included) and cycle counts.
//
// This table is the one source of these facts: the handler tables take their
// semantics and cycle counts from it at compile time, and the tracer, the
// assembler and the workbench's default tables read it too.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The mnemonics, each written once: the enum Mn and the names MnemonicName
// returns are both made from these lists, so they cannot drift apart. The
// order groups the families (the handlers select a family by range).
#define LH5801_ALU_MNEMONICS(X)                                                                         \
    X(ADC) X(SBC) X(ADI) X(SBI) X(DCA) X(DCS) X(AND) X(ANI) X(ORA) X(ORI) X(EOR) X(EAI) X(BIT) X(BII) \
    X(CPA) X(CPI) X(CIN) X(INC) X(DEC) X(ADR) X(ROL) X(ROR) X(SHL) X(SHR) X(DRL) X(DRR) X(AEX)
#define LH5801_MOVE_MNEMONICS(X)                                                                        \
    X(LDA) X(LDI) X(LIN) X(LDE) X(STA) X(SIN) X(SDE) X(TIN) X(LDX) X(STX) X(PSH) X(POP)               \
    X(TTA) X(ATT) X(ITA) X(ATP) X(AM0) X(AM1)
#define LH5801_FLOW_MNEMONICS(X)                                                                        \
    X(BCH) X(BCR) X(BCS) X(BHR) X(BHS) X(BZR) X(BZS) X(BVR) X(BVS) X(LOP) X(JMP) X(SJP) X(RTN) X(RTI) \
    X(VEJ) X(VMJ) X(VCR) X(VCS) X(VHR) X(VHS) X(VZR) X(VZS) X(VVS)                                    \
    X(NOP) X(HLT) X(OFF) X(SEC) X(REC) X(SIE) X(RIE) X(SPU) X(RPU) X(SPV) X(RPV) X(SDP) X(RDP) X(CDV)
#define LH5801_MNEMONICS(X) LH5801_ALU_MNEMONICS(X) LH5801_MOVE_MNEMONICS(X) LH5801_FLOW_MNEMONICS(X)

#define LH5801_ENUMERATOR(name) name,
enum class Mn : uint8_t {
    Undefined,  // "???"
    Prefix,     // FD
    LH5801_MNEMONICS(LH5801_ENUMERATOR)
};
#undef LH5801_ENUMERATOR

#define LH5801_ONE(name) +1
constexpr int kAluMnemonics = 0 LH5801_ALU_MNEMONICS(LH5801_ONE);
constexpr int kMoveMnemonics = 0 LH5801_MOVE_MNEMONICS(LH5801_ONE);
#undef LH5801_ONE
// The first mnemonic of each family list.
constexpr Mn kFirstAluMnemonic = static_cast<Mn>(static_cast<int>(Mn::Prefix) + 1);
constexpr Mn kFirstMoveMnemonic = static_cast<Mn>(static_cast<int>(kFirstAluMnemonic) + kAluMnemonics);
constexpr Mn kFirstFlowMnemonic = static_cast<Mn>(static_cast<int>(kFirstMoveMnemonic) + kMoveMnemonics);

// Operand form, in the notation of the opcode grids. Forms with a register
// take it from OpcodeFacts::reg.
enum class Arg : uint8_t {
    None,
    Reg8,       // A, XL, XH ... (the register byte itself)
    Reg16,      // X, Y, U, S, P
    Mem,        // (R)   ME0 byte at R
    MemAbs,     // (ab)  ME0 byte at ab
    Io,         // #(R)  ME1 byte at R
    IoAbs,      // #(ab) ME1 byte at ab
    Imm,        // i
    Reg8Imm,    // A,i  XH,i  VH,i ...
    MemImm,     // (R),i
    MemAbsImm,  // (ab),i
    IoImm,      // #(R),i
    IoAbsImm,   // #(ab),i
    Reg16Abs,   // S,ab
    Abs,        // ab
    Forward,    // +d
    Backward,   // -d
    LoopBack,   // UL,-d
    Vector,     // (n): the vector number is the opcode itself
};

enum class Reg : uint8_t { None, A, XL, XH, YL, YH, UL, UH, VH, X, Y, U, S, P };

struct OpcodeFacts {
    Mn mnemonic = Mn::Undefined;
    Arg arg = Arg::None;
    Reg reg = Reg::None;
    uint8_t length = 1;           // bytes, the FD byte included
    uint8_t cycles = 1;           // the only count, or the count when taken
    uint8_t cyclesNotTaken = 0;   // conditional instructions only, else 0

    constexpr bool conditional() const { return cyclesNotTaken != 0; }
    constexpr bool defined() const { return mnemonic != Mn::Undefined; }
};

namespace opcode_detail {

struct Row {
    uint16_t index;  // 0-255 first page, 256 + n for FD n
    OpcodeFacts facts;
};

constexpr uint16_t FD(uint8_t n) { return static_cast<uint16_t>(256 + n); }

using enum Mn;
using enum Arg;
constexpr Reg rA = Reg::A, rXL = Reg::XL, rXH = Reg::XH, rYL = Reg::YL, rYH = Reg::YH,
              rUL = Reg::UL, rUH = Reg::UH, rVH = Reg::VH, rX = Reg::X, rY = Reg::Y,
              rU = Reg::U, rS = Reg::S, rP = Reg::P, rNone = Reg::None;

// clang-format off
inline constexpr Row kRows[] = {
    // Rows 0-2: the same operations on X, Y and U.
    {0x00, {SBC, Reg8, rXL, 1, 6}},  {0x01, {SBC, Mem, rX, 1, 7}},
    {0x02, {ADC, Reg8, rXL, 1, 6}},  {0x03, {ADC, Mem, rX, 1, 11}},
    {0x04, {LDA, Reg8, rXL, 1, 5}},  {0x05, {LDA, Mem, rX, 1, 6}},
    {0x06, {CPA, Reg8, rXL, 1, 6}},  {0x07, {CPA, Mem, rX, 1, 7}},
    {0x08, {STA, Reg8, rXH, 1, 5}},  {0x09, {AND, Mem, rX, 1, 7}},
    {0x0A, {STA, Reg8, rXL, 1, 5}},  {0x0B, {ORA, Mem, rX, 1, 7}},
    {0x0C, {DCS, Mem, rX, 1, 13}},   {0x0D, {EOR, Mem, rX, 1, 7}},
    {0x0E, {STA, Mem, rX, 1, 6}},    {0x0F, {BIT, Mem, rX, 1, 7}},

    {0x10, {SBC, Reg8, rYL, 1, 6}},  {0x11, {SBC, Mem, rY, 1, 7}},
    {0x12, {ADC, Reg8, rYL, 1, 6}},  {0x13, {ADC, Mem, rY, 1, 11}},
    {0x14, {LDA, Reg8, rYL, 1, 5}},  {0x15, {LDA, Mem, rY, 1, 6}},
    {0x16, {CPA, Reg8, rYL, 1, 6}},  {0x17, {CPA, Mem, rY, 1, 7}},
    {0x18, {STA, Reg8, rYH, 1, 5}},  {0x19, {AND, Mem, rY, 1, 7}},
    {0x1A, {STA, Reg8, rYL, 1, 5}},  {0x1B, {ORA, Mem, rY, 1, 7}},
    {0x1C, {DCS, Mem, rY, 1, 13}},   {0x1D, {EOR, Mem, rY, 1, 7}},
    {0x1E, {STA, Mem, rY, 1, 6}},    {0x1F, {BIT, Mem, rY, 1, 7}},

    {0x20, {SBC, Reg8, rUL, 1, 6}},  {0x21, {SBC, Mem, rU, 1, 7}},
    {0x22, {ADC, Reg8, rUL, 1, 6}},  {0x23, {ADC, Mem, rU, 1, 7}},
    {0x24, {LDA, Reg8, rUL, 1, 5}},  {0x25, {LDA, Mem, rU, 1, 6}},
    {0x26, {CPA, Reg8, rUL, 1, 6}},  {0x27, {CPA, Mem, rU, 1, 6}},
    {0x28, {STA, Reg8, rUH, 1, 5}},  {0x29, {AND, Mem, rU, 1, 7}},
    {0x2A, {STA, Reg8, rUL, 1, 5}},  {0x2B, {ORA, Mem, rU, 1, 7}},
    {0x2C, {DCS, Mem, rU, 1, 13}},   {0x2D, {EOR, Mem, rU, 1, 7}},
    {0x2E, {STA, Mem, rU, 1, 6}},    {0x2F, {BIT, Mem, rU, 1, 7}},

    {0x38, {NOP, None, rNone, 1, 5}},

    // Rows 4-6: increments, block steps and immediates on X, Y and U.
    {0x40, {INC, Reg8, rXL, 1, 5}},  {0x41, {SIN, Reg16, rX, 1, 6}},
    {0x42, {DEC, Reg8, rXL, 1, 5}},  {0x43, {SDE, Reg16, rX, 1, 6}},
    {0x44, {INC, Reg16, rX, 1, 5}},  {0x45, {LIN, Reg16, rX, 1, 6}},
    {0x46, {DEC, Reg16, rX, 1, 5}},  {0x47, {LDE, Reg16, rX, 1, 6}},
    {0x48, {LDI, Reg8Imm, rXH, 2, 6}}, {0x49, {ANI, MemImm, rX, 2, 13}},
    {0x4A, {LDI, Reg8Imm, rXL, 2, 6}}, {0x4B, {ORI, MemImm, rX, 2, 13}},
    {0x4C, {CPI, Reg8Imm, rXH, 2, 6}}, {0x4D, {BII, MemImm, rX, 2, 10}},
    {0x4E, {CPI, Reg8Imm, rXL, 2, 6}}, {0x4F, {ADI, MemImm, rX, 2, 13}},

    {0x50, {INC, Reg8, rYL, 1, 5}},  {0x51, {SIN, Reg16, rY, 1, 6}},
    {0x52, {DEC, Reg8, rYL, 1, 5}},  {0x53, {SDE, Reg16, rY, 1, 6}},
    {0x54, {INC, Reg16, rY, 1, 5}},  {0x55, {LIN, Reg16, rY, 1, 6}},
    {0x56, {DEC, Reg16, rY, 1, 5}},  {0x57, {LDE, Reg16, rY, 1, 6}},
    {0x58, {LDI, Reg8Imm, rYH, 2, 6}}, {0x59, {ANI, MemImm, rY, 2, 13}},
    {0x5A, {LDI, Reg8Imm, rYL, 2, 6}}, {0x5B, {ORI, MemImm, rY, 2, 13}},
    {0x5C, {CPI, Reg8Imm, rYH, 2, 6}}, {0x5D, {BII, MemImm, rY, 2, 10}},
    {0x5E, {CPI, Reg8Imm, rYL, 2, 6}}, {0x5F, {ADI, MemImm, rY, 2, 13}},

    {0x60, {INC, Reg8, rUL, 1, 5}},  {0x61, {SIN, Reg16, rU, 1, 6}},
    {0x62, {DEC, Reg8, rUL, 1, 5}},  {0x63, {SDE, Reg16, rU, 1, 6}},
    {0x64, {INC, Reg16, rU, 1, 5}},  {0x65, {LIN, Reg16, rU, 1, 6}},
    {0x66, {DEC, Reg16, rU, 1, 5}},  {0x67, {LDE, Reg16, rU, 1, 6}},
    {0x68, {LDI, Reg8Imm, rUH, 2, 6}}, {0x69, {ANI, MemImm, rU, 2, 13}},
    {0x6A, {LDI, Reg8Imm, rUL, 2, 6}}, {0x6B, {ORI, MemImm, rU, 2, 13}},
    {0x6C, {CPI, Reg8Imm, rUH, 2, 6}}, {0x6D, {BII, MemImm, rU, 2, 10}},
    {0x6E, {CPI, Reg8Imm, rUL, 2, 6}}, {0x6F, {ADI, MemImm, rU, 2, 13}},

    {0x78, {LDI, Reg8Imm, rVH, 2, 6}},

    // Rows 8-9: high halves, branches forward (8x) and backward (9x).
    {0x80, {SBC, Reg8, rXH, 1, 6}},  {0x81, {BCR, Forward, rNone, 2, 10, 8}},
    {0x82, {ADC, Reg8, rXH, 1, 6}},  {0x83, {BCS, Forward, rNone, 2, 10, 8}},
    {0x84, {LDA, Reg8, rXH, 1, 5}},  {0x85, {BHR, Forward, rNone, 2, 10, 8}},
    {0x86, {CPA, Reg8, rXH, 1, 6}},  {0x87, {BHS, Forward, rNone, 2, 10, 8}},
    {0x88, {LOP, LoopBack, rUL, 2, 11, 8}}, {0x89, {BZR, Forward, rNone, 2, 10, 8}},
    {0x8A, {RTI, None, rNone, 1, 14}}, {0x8B, {BZS, Forward, rNone, 2, 10, 8}},
    {0x8C, {DCA, Mem, rX, 1, 15}},   {0x8D, {BVR, Forward, rNone, 2, 10, 8}},
    {0x8E, {BCH, Forward, rNone, 2, 8}}, {0x8F, {BVS, Forward, rNone, 2, 10, 8}},

    {0x90, {SBC, Reg8, rYH, 1, 6}},  {0x91, {BCR, Backward, rNone, 2, 11, 8}},
    {0x92, {ADC, Reg8, rYH, 1, 6}},  {0x93, {BCS, Backward, rNone, 2, 11, 8}},
    {0x94, {LDA, Reg8, rYH, 1, 5}},  {0x95, {BHR, Backward, rNone, 2, 11, 8}},
    {0x96, {CPA, Reg8, rYH, 1, 6}},  {0x97, {BHS, Backward, rNone, 2, 11, 8}},
    {0x99, {BZR, Backward, rNone, 2, 11, 8}},
    {0x9A, {RTN, None, rNone, 1, 11}}, {0x9B, {BZS, Backward, rNone, 2, 11, 8}},
    {0x9C, {DCA, Mem, rY, 1, 15}},   {0x9D, {BVR, Backward, rNone, 2, 11, 8}},
    {0x9E, {BCH, Backward, rNone, 2, 9}}, {0x9F, {BVS, Backward, rNone, 2, 11, 8}},

    // Row A: UH and the absolute forms.
    {0xA0, {SBC, Reg8, rUH, 1, 6}},  {0xA1, {SBC, MemAbs, rNone, 3, 13}},
    {0xA2, {ADC, Reg8, rUH, 1, 6}},  {0xA3, {ADC, MemAbs, rNone, 3, 13}},
    {0xA4, {LDA, Reg8, rUH, 1, 5}},  {0xA5, {LDA, MemAbs, rNone, 3, 12}},
    {0xA6, {CPA, Reg8, rUH, 1, 6}},  {0xA7, {CPA, MemAbs, rNone, 3, 13}},
    {0xA8, {SPV, None, rNone, 1, 4}}, {0xA9, {AND, MemAbs, rNone, 3, 13}},
    {0xAA, {LDI, Reg16Abs, rS, 3, 12}}, {0xAB, {ORA, MemAbs, rNone, 3, 13}},
    {0xAC, {DCA, Mem, rU, 1, 15}},   {0xAD, {EOR, MemAbs, rNone, 3, 13}},
    {0xAE, {STA, MemAbs, rNone, 3, 12}}, {0xAF, {BIT, MemAbs, rNone, 3, 13}},

    // Row B: accumulator immediates, jumps.
    {0xB1, {SBI, Reg8Imm, rA, 2, 7}}, {0xB3, {ADI, Reg8Imm, rA, 2, 7}},
    {0xB5, {LDI, Reg8Imm, rA, 2, 6}}, {0xB7, {CPI, Reg8Imm, rA, 2, 6}},
    {0xB8, {RPV, None, rNone, 1, 4}}, {0xB9, {ANI, Reg8Imm, rA, 2, 7}},
    {0xBA, {JMP, Abs, rNone, 3, 12}}, {0xBB, {ORI, Reg8Imm, rA, 2, 7}},
    {0xBD, {EAI, Imm, rNone, 2, 7}}, {0xBE, {SJP, Abs, rNone, 3, 19}},
    {0xBF, {BII, Reg8Imm, rA, 2, 7}},

    // Row C: vector calls; the odd ones are conditional, CD is VMJ.
    {0xC0, {VEJ, Vector, rNone, 1, 17}}, {0xC1, {VCR, Imm, rNone, 2, 21, 8}},
    {0xC2, {VEJ, Vector, rNone, 1, 17}}, {0xC3, {VCS, Imm, rNone, 2, 21, 8}},
    {0xC4, {VEJ, Vector, rNone, 1, 17}}, {0xC5, {VHR, Imm, rNone, 2, 21, 8}},
    {0xC6, {VEJ, Vector, rNone, 1, 17}}, {0xC7, {VHS, Imm, rNone, 2, 21, 8}},
    {0xC8, {VEJ, Vector, rNone, 1, 17}}, {0xC9, {VZR, Imm, rNone, 2, 21, 8}},
    {0xCA, {VEJ, Vector, rNone, 1, 17}}, {0xCB, {VZS, Imm, rNone, 2, 21, 8}},
    {0xCC, {VEJ, Vector, rNone, 1, 17}}, {0xCD, {VMJ, Imm, rNone, 2, 20}},
    {0xCE, {VEJ, Vector, rNone, 1, 17}}, {0xCF, {VVS, Imm, rNone, 2, 21, 8}},

    // Row D: shifts and digit rotates between the vector calls.
    {0xD0, {VEJ, Vector, rNone, 1, 17}}, {0xD1, {ROR, None, rNone, 1, 9}},
    {0xD2, {VEJ, Vector, rNone, 1, 17}}, {0xD3, {DRR, Mem, rX, 1, 12}},
    {0xD4, {VEJ, Vector, rNone, 1, 17}}, {0xD5, {SHR, None, rNone, 1, 9}},
    {0xD6, {VEJ, Vector, rNone, 1, 17}}, {0xD7, {DRL, Mem, rX, 1, 12}},
    {0xD8, {VEJ, Vector, rNone, 1, 17}}, {0xD9, {SHL, None, rNone, 1, 6}},
    {0xDA, {VEJ, Vector, rNone, 1, 17}}, {0xDB, {ROL, None, rNone, 1, 6}},
    {0xDC, {VEJ, Vector, rNone, 1, 17}}, {0xDD, {INC, Reg8, rA, 1, 5}},
    {0xDE, {VEJ, Vector, rNone, 1, 17}}, {0xDF, {DEC, Reg8, rA, 1, 5}},

    // Row E: PU flip-flop and the (ab),i forms.
    {0xE0, {VEJ, Vector, rNone, 1, 17}}, {0xE1, {SPU, None, rNone, 1, 4}},
    {0xE2, {VEJ, Vector, rNone, 1, 17}}, {0xE3, {RPU, None, rNone, 1, 4}},
    {0xE4, {VEJ, Vector, rNone, 1, 17}},
    {0xE6, {VEJ, Vector, rNone, 1, 17}},
    {0xE8, {VEJ, Vector, rNone, 1, 17}}, {0xE9, {ANI, MemAbsImm, rNone, 4, 19}},
    {0xEA, {VEJ, Vector, rNone, 1, 17}}, {0xEB, {ORI, MemAbsImm, rNone, 4, 19}},
    {0xEC, {VEJ, Vector, rNone, 1, 17}}, {0xED, {BII, MemAbsImm, rNone, 4, 16}},
    {0xEE, {VEJ, Vector, rNone, 1, 17}}, {0xEF, {ADI, MemAbsImm, rNone, 4, 19}},

    // Row F.
    {0xF0, {VEJ, Vector, rNone, 1, 17}}, {0xF1, {AEX, None, rNone, 1, 6}},
    {0xF2, {VEJ, Vector, rNone, 1, 17}},
    {0xF4, {VEJ, Vector, rNone, 1, 17}}, {0xF5, {TIN, None, rNone, 1, 7}},
    {0xF6, {VEJ, Vector, rNone, 1, 17}}, {0xF7, {CIN, None, rNone, 1, 7}},
    {0xF9, {REC, None, rNone, 1, 6}},
    {0xFB, {SEC, None, rNone, 1, 4}},
    {0xFD, {Prefix, None, rNone, 1, 0}},

    // FD page rows 0-2: the second-bank forms on X, Y and U.
    {FD(0x01), {SBC, Io, rX, 2, 11}}, {FD(0x03), {ADC, Io, rX, 2, 11}},
    {FD(0x05), {LDA, Io, rX, 2, 10}}, {FD(0x07), {CPA, Io, rX, 2, 11}},
    {FD(0x08), {LDX, Reg16, rX, 2, 11}}, {FD(0x09), {AND, Io, rX, 2, 11}},
    {FD(0x0A), {POP, Reg16, rX, 2, 15}}, {FD(0x0B), {ORA, Io, rX, 2, 11}},
    {FD(0x0C), {DCS, Io, rX, 2, 17}}, {FD(0x0D), {EOR, Io, rX, 2, 11}},
    {FD(0x0E), {STA, Io, rX, 2, 10}}, {FD(0x0F), {BIT, Io, rX, 2, 11}},

    {FD(0x11), {SBC, Io, rY, 2, 11}}, {FD(0x13), {ADC, Io, rY, 2, 11}},
    {FD(0x15), {LDA, Io, rY, 2, 10}}, {FD(0x17), {CPA, Io, rY, 2, 11}},
    {FD(0x18), {LDX, Reg16, rY, 2, 11}}, {FD(0x19), {AND, Io, rY, 2, 11}},
    {FD(0x1A), {POP, Reg16, rY, 2, 15}}, {FD(0x1B), {ORA, Io, rY, 2, 11}},
    {FD(0x1C), {DCS, Io, rY, 2, 17}}, {FD(0x1D), {EOR, Io, rY, 2, 11}},
    {FD(0x1E), {STA, Io, rY, 2, 10}}, {FD(0x1F), {BIT, Io, rY, 2, 11}},

    {FD(0x21), {SBC, Io, rU, 2, 11}}, {FD(0x23), {ADC, Io, rU, 2, 11}},
    {FD(0x25), {LDA, Io, rU, 2, 10}}, {FD(0x27), {CPA, Io, rU, 2, 11}},
    {FD(0x28), {LDX, Reg16, rU, 2, 11}}, {FD(0x29), {AND, Io, rU, 2, 11}},
    {FD(0x2A), {POP, Reg16, rU, 2, 15}}, {FD(0x2B), {ORA, Io, rU, 2, 11}},
    {FD(0x2C), {DCS, Io, rU, 2, 17}}, {FD(0x2D), {EOR, Io, rU, 2, 11}},
    {FD(0x2E), {STA, Io, rU, 2, 10}}, {FD(0x2F), {BIT, Io, rU, 2, 11}},

    // FD rows 4-6.
    {FD(0x40), {INC, Reg8, rXH, 2, 9}}, {FD(0x42), {DEC, Reg8, rXH, 2, 9}},
    {FD(0x48), {LDX, Reg16, rS, 2, 11}}, {FD(0x49), {ANI, IoImm, rX, 3, 17}},
    {FD(0x4A), {STX, Reg16, rX, 2, 11}}, {FD(0x4B), {ORI, IoImm, rX, 3, 17}},
    {FD(0x4C), {OFF, None, rNone, 2, 8}}, {FD(0x4D), {BII, IoImm, rX, 3, 14}},
    {FD(0x4E), {STX, Reg16, rS, 2, 11}}, {FD(0x4F), {ADI, IoImm, rX, 3, 17}},

    {FD(0x50), {INC, Reg8, rYH, 2, 9}}, {FD(0x52), {DEC, Reg8, rYH, 2, 9}},
    {FD(0x58), {LDX, Reg16, rP, 2, 11}}, {FD(0x59), {ANI, IoImm, rY, 3, 17}},
    {FD(0x5A), {STX, Reg16, rY, 2, 11}}, {FD(0x5B), {ORI, IoImm, rY, 3, 17}},
    {FD(0x5D), {BII, IoImm, rY, 3, 14}},
    {FD(0x5E), {STX, Reg16, rP, 2, 11}}, {FD(0x5F), {ADI, IoImm, rY, 3, 17}},

    {FD(0x60), {INC, Reg8, rUH, 2, 9}}, {FD(0x62), {DEC, Reg8, rUH, 2, 9}},
    {FD(0x69), {ANI, IoImm, rU, 3, 17}},
    {FD(0x6A), {STX, Reg16, rU, 2, 11}}, {FD(0x6B), {ORI, IoImm, rU, 3, 17}},
    {FD(0x6D), {BII, IoImm, rU, 3, 14}},
    {FD(0x6F), {ADI, IoImm, rU, 3, 17}},

    // FD rows 8-9: stack, interrupt enable, decimal add on the second bank.
    {FD(0x81), {SIE, None, rNone, 2, 8}}, {FD(0x88), {PSH, Reg16, rX, 2, 14}},
    {FD(0x8A), {POP, Reg8, rA, 2, 12}},  {FD(0x8C), {DCA, Io, rX, 2, 19}},
    {FD(0x8E), {CDV, None, rNone, 2, 8}},
    {FD(0x98), {PSH, Reg16, rY, 2, 14}}, {FD(0x9C), {DCA, Io, rY, 2, 19}},

    // FD row A: the #(ab) forms.
    {FD(0xA1), {SBC, IoAbs, rNone, 4, 17}}, {FD(0xA3), {ADC, IoAbs, rNone, 4, 17}},
    {FD(0xA5), {LDA, IoAbs, rNone, 4, 16}}, {FD(0xA7), {CPA, IoAbs, rNone, 4, 17}},
    {FD(0xA8), {PSH, Reg16, rU, 2, 14}},    {FD(0xA9), {AND, IoAbs, rNone, 4, 17}},
    {FD(0xAA), {TTA, None, rNone, 2, 9}},   {FD(0xAB), {ORA, IoAbs, rNone, 4, 17}},
    {FD(0xAC), {DCA, Io, rU, 2, 19}},       {FD(0xAD), {EOR, IoAbs, rNone, 4, 17}},
    {FD(0xAE), {STA, IoAbs, rNone, 4, 16}}, {FD(0xAF), {BIT, IoAbs, rNone, 4, 6}},

    // FD rows B-E.
    {FD(0xB1), {HLT, None, rNone, 2, 9}}, {FD(0xBA), {ITA, None, rNone, 2, 9}},
    {FD(0xBE), {RIE, None, rNone, 2, 6}},
    {FD(0xC0), {RDP, None, rNone, 2, 6}}, {FD(0xC1), {SDP, None, rNone, 2, 8}},
    {FD(0xC8), {PSH, Reg8, rA, 2, 11}},   {FD(0xCA), {ADR, Reg16, rX, 2, 11}},
    {FD(0xCC), {ATP, None, rNone, 2, 9}}, {FD(0xCE), {AM0, None, rNone, 2, 9}},
    {FD(0xD3), {DRR, Io, rX, 2, 16}},     {FD(0xD7), {DRL, Io, rX, 2, 16}},
    {FD(0xDA), {ADR, Reg16, rY, 2, 11}},  {FD(0xDE), {AM1, None, rNone, 2, 9}},
    {FD(0xE9), {ANI, IoAbsImm, rNone, 5, 23}}, {FD(0xEA), {ADR, Reg16, rU, 2, 11}},
    {FD(0xEB), {ORI, IoAbsImm, rNone, 5, 23}}, {FD(0xEC), {ATT, None, rNone, 2, 9}},
    {FD(0xED), {BII, IoAbsImm, rNone, 5, 20}}, {FD(0xEF), {ADI, IoAbsImm, rNone, 5, 23}},
};
// clang-format on

// Undefined entries: length 1 on the first page, 2 on the FD page (the FD
// byte and the unknown one), 1 cycle each.
constexpr std::array<OpcodeFacts, 512> BuildTable() {
    std::array<OpcodeFacts, 512> t{};
    for (int i = 256; i < 512; ++i) t[i].length = 2;
    for (const Row& r : kRows) t[r.index] = r.facts;
    return t;
}

}  // namespace opcode_detail

// kOpcodes[n] is first-page opcode n; kOpcodes[256 + n] is FD n.
inline constexpr std::array<OpcodeFacts, 512> kOpcodes = opcode_detail::BuildTable();

// Every instruction costs at least one cycle (FD's count is that of the
// FD-page entry it selects), so that a step reporting 0 can only be an
// interrupt entry and emulated time always moves on.
static_assert([] {
    for (const OpcodeFacts& f : kOpcodes)
        if (f.mnemonic != Mn::Prefix && f.cycles == 0) return false;
    return true;
}());

constexpr int kFdPage = 256;
constexpr bool IsFdPage(int index) { return index >= kFdPage; }
// Where the operand bytes start, counted from the opcode's first byte.
constexpr int OperandOffset(int index) { return IsFdPage(index) ? 2 : 1; }

// Texts in the notation of the opcode grids.
std::string_view MnemonicName(Mn mnemonic);
std::string_view RegisterName(Reg reg);
// The operand form, e.g. "(X)", "#(ab)", "XH,i", "UL,-d", "(C0)"; "" if none.
std::string OperandText(int index);
// Mnemonic and operand form, e.g. "ADC (X)", "ANI #(ab),i", "VEJ (C0)".
std::string InstructionText(int index);
