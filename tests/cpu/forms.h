// Operand forms for instruction-family tables: one row per opcode saying
// where its operand M lives, and a runner that puts M there, executes the
// instruction and checks its length and cycle count against the opcode facts.
#pragma once

#include <gtest/gtest.h>

#include "cpu/opcodes.h"
#include "tests/cpu/run.h"

// Where an instruction finds its operand M.
enum class Site : uint8_t {
    A, XL, XH, YL, YH, UL, UH,  // the register byte
    X, Y, U, Ab,                // ME0 byte at R or at ab
    IoX, IoY, IoU, IoAb,        // ME1 byte at R or at ab
    Imm,                        // the immediate byte
};

struct Form {
    int index;  // dispatch entry: the opcode, or kFdPage + n for FD n
    Site site;
};

constexpr int FD(uint8_t n) { return kFdPage + n; }

constexpr uint16_t kDataAt = 0x4400;  // ME0 operand address (RAM)
constexpr uint16_t kIoAt = 0x1234;    // ME1 operand address (plain storage)

constexpr bool OnSecondBank(Site s) { return s >= Site::IoX && s <= Site::IoAb; }
constexpr bool InMemory(Site s) { return s >= Site::X && s <= Site::IoAb; }

class FormTest : public MachineTest {
protected:
    // Runs form f with M = value at the usual address of its bank, and the
    // immediate i when the form has one.
    void RunForm(const Form& f, uint8_t value, uint8_t i = 0) {
        RunFormAt(f, OnSecondBank(f.site) ? kIoAt : kDataAt, value, i);
    }

    // The same with the memory operand at `at`.
    void RunFormAt(const Form& f, uint16_t at, uint8_t value, uint8_t i = 0) {
        const OpcodeFacts& facts = kOpcodes[f.index];
        SCOPED_TRACE(InstructionText(f.index));
        at_ = at;
        Bytes code;
        if (IsFdPage(f.index)) code.push_back(0xFD);
        code.push_back(static_cast<uint8_t>(f.index & 0xFF));
        Place(f.site, value, code);
        if (code.size() < facts.length) code.push_back(i);
        ASSERT_EQ(code.size(), facts.length) << "operand form of the row";
        EXPECT_EQ(Run(code), facts.cycles);
        EXPECT_EQ(m.P, kCodeAt + facts.length);
    }

    // M as it lies now: the register byte, or the byte in the bank's array.
    uint8_t OperandNow(Site site) const {
        switch (site) {
            case Site::A: return static_cast<uint8_t>(m.A);
            case Site::XL: return LowByte(m.X);
            case Site::XH: return HighByte(m.X);
            case Site::YL: return LowByte(m.Y);
            case Site::YH: return HighByte(m.Y);
            case Site::UL: return LowByte(m.U);
            case Site::UH: return HighByte(m.U);
            case Site::Imm: return 0;
            default: return OnSecondBank(site) ? m.ME1[at_] : m.ME0[at_];
        }
    }

private:
    static void SetHalf(uint16_t& r, bool high, uint8_t v) {
        r = high ? static_cast<uint16_t>((r & 0x00FF) | v << 8) : static_cast<uint16_t>((r & 0xFF00) | v);
    }

    void Place(Site site, uint8_t value, Bytes& code) {
        switch (site) {
            case Site::A: m.A = value; return;
            case Site::XL: return SetHalf(m.X, false, value);
            case Site::XH: return SetHalf(m.X, true, value);
            case Site::YL: return SetHalf(m.Y, false, value);
            case Site::YH: return SetHalf(m.Y, true, value);
            case Site::UL: return SetHalf(m.U, false, value);
            case Site::UH: return SetHalf(m.U, true, value);
            case Site::Imm: code.push_back(value); return;
            default: break;
        }
        (OnSecondBank(site) ? m.ME1 : m.ME0)[at_] = value;
        if (site == Site::X || site == Site::IoX) m.X = at_;
        if (site == Site::Y || site == Site::IoY) m.Y = at_;
        if (site == Site::U || site == Site::IoU) m.U = at_;
        if (site == Site::Ab || site == Site::IoAb) {
            code.push_back(HighByte(at_));
            code.push_back(LowByte(at_));
        }
    }

    uint16_t at_ = kDataAt;
};

// The fourteen forms of ADC, SBC, CPA and LDA share one layout: the six
// register bytes, (X) (Y) (U) (ab) and their second-bank twins.
struct FourteenForms {
    int xl, xh, yl, yh, ul, uh, x, y, u, ab;
    std::vector<Form> All() const {
        return {{xl, Site::XL},  {xh, Site::XH},  {yl, Site::YL},  {yh, Site::YH},     {ul, Site::UL},
                {uh, Site::UH},  {x, Site::X},    {y, Site::Y},    {u, Site::U},       {ab, Site::Ab},
                {FD(x & 0xFF), Site::IoX}, {FD(y & 0xFF), Site::IoY}, {FD(u & 0xFF), Site::IoU},
                {FD(ab & 0xFF), Site::IoAb}};
    }
};

// The eight memory forms of AND, ORA, EOR, BIT, STA, ADI/ANI/ORI/BII to memory.
inline std::vector<Form> MemoryForms(int x, int y, int u, int ab) {
    return {{x, Site::X},
            {y, Site::Y},
            {u, Site::U},
            {ab, Site::Ab},
            {FD(static_cast<uint8_t>(x)), Site::IoX},
            {FD(static_cast<uint8_t>(y)), Site::IoY},
            {FD(static_cast<uint8_t>(u)), Site::IoU},
            {FD(static_cast<uint8_t>(ab)), Site::IoAb}};
}
