// Arithmetic and logic instructions: one template, specialised per opcode by
// the opcode facts. Flags not named for an instruction keep their values.
#pragma once

#include "cpu/alu.h"
#include "cpu/operands.h"

// ANI and ORI to memory set Z from the byte read back: through the ME0 read
// on the main bank (so a refused write shows the old byte), straight from the
// array on the second bank (no I/O side effects).
template <int I>
inline uint8_t ReadBack(const LH5801* m, uint16_t a) {
    if constexpr (IsSecondBank(kOpcodes[I].arg)) return m->ME1[a];
    else return ME0Read(m, a);
}

// Read-modify-write of a memory-immediate form; returns the address.
template <int I, typename Bank, typename Op>
inline uint16_t ModifyMemory(LH5801* m, Op op) {
    const uint16_t a = Address<I>(m);
    const uint8_t i = Immediate<I>(m);
    WriteBank<I, Bank>(m, a, op(ReadBank<I, Bank>(m, a), i));
    return a;
}

template <int I, typename Bank, typename Op>
inline void LogicToA(LH5801* m, Op op) {
    m->A = op(static_cast<uint8_t>(m->A), Operand<I, Bank>(m));
    m->Z = m->A == 0;
}

template <int I, typename Bank, typename Op>
inline void LogicImmediate(LH5801* m, Op op) {
    if constexpr (kOpcodes[I].arg == Arg::Reg8Imm) {  // A,i
        LogicToA<I, Bank>(m, op);
    } else {
        const uint16_t a = ModifyMemory<I, Bank>(m, op);
        m->Z = ReadBack<I>(m, a) == 0;
    }
}

// DRL and DRR: A takes the byte at X; the byte keeps one of its nibbles (from
// the array on the second bank) and takes one of A's.
template <int I, typename Bank, bool Left>
inline void DigitRotate(LH5801* m) {
    const uint16_t a = m->X;
    const uint8_t value = ReadBank<I, Bank>(m, a);
    const uint8_t kept = IsSecondBank(kOpcodes[I].arg) ? m->ME1[a] : value;
    const uint8_t oldA = static_cast<uint8_t>(m->A);
    m->A = value;
    const uint8_t result = Left ? static_cast<uint8_t>((kept & 0x0F) << 4 | oldA >> 4)
                                : static_cast<uint8_t>((oldA & 0x0F) << 4 | kept >> 4);
    WriteBank<I, Bank>(m, a, result);
}

template <int I, typename Bank = PlainBank>
inline void AluOp(LH5801* m) {
    constexpr OpcodeFacts f = kOpcodes[I];
    using enum Mn;
    const auto And = [](uint8_t a, uint8_t b) { return static_cast<uint8_t>(a & b); };
    const auto Or = [](uint8_t a, uint8_t b) { return static_cast<uint8_t>(a | b); };
    const auto Xor = [](uint8_t a, uint8_t b) { return static_cast<uint8_t>(a ^ b); };

    if constexpr (f.mnemonic == ADC) {
        m->A = Add(m, m->A, Operand<I, Bank>(m), m->C);
    } else if constexpr (f.mnemonic == SBC || f.mnemonic == SBI) {
        m->A = Subtract(m, m->A, Operand<I, Bank>(m), m->C);
    } else if constexpr (f.mnemonic == ADI) {
        if constexpr (f.arg == Arg::Reg8Imm) m->A = Add(m, m->A, Operand<I, Bank>(m), m->C);
        else ModifyMemory<I, Bank>(m, [m](uint8_t v, uint8_t i) { return Add(m, v, i, 0); });
    } else if constexpr (f.mnemonic == DCA) {
        const uint8_t biased = static_cast<uint8_t>(m->A + 0x66);
        m->A = DecimalAdjust(m, Add(m, biased, Operand<I, Bank>(m), m->C));
    } else if constexpr (f.mnemonic == DCS) {
        m->A = DecimalAdjust(m, Subtract(m, m->A, Operand<I, Bank>(m), m->C));
    } else if constexpr (f.mnemonic == AND) {
        LogicToA<I, Bank>(m, And);
    } else if constexpr (f.mnemonic == ORA) {
        LogicToA<I, Bank>(m, Or);
    } else if constexpr (f.mnemonic == EOR || f.mnemonic == EAI) {
        LogicToA<I, Bank>(m, Xor);
    } else if constexpr (f.mnemonic == ANI) {
        LogicImmediate<I, Bank>(m, And);
    } else if constexpr (f.mnemonic == ORI) {
        LogicImmediate<I, Bank>(m, Or);
    } else if constexpr (f.mnemonic == BIT) {
        m->Z = (m->A & Operand<I, Bank>(m)) == 0;
    } else if constexpr (f.mnemonic == BII) {
        if constexpr (f.arg == Arg::Reg8Imm) {
            m->Z = (m->A & Operand<I, Bank>(m)) == 0;
        } else {
            const uint16_t a = Address<I>(m);
            const uint8_t i = Immediate<I>(m);
            m->Z = (ReadBank<I, Bank>(m, a) & i) == 0;
        }
    } else if constexpr (f.mnemonic == CPA) {
        Compare(m, m->A, Operand<I, Bank>(m));
    } else if constexpr (f.mnemonic == CPI) {
        Compare(m, Get8<f.reg>(m), Operand<I, Bank>(m));
    } else if constexpr (f.mnemonic == CIN) {
        Compare(m, m->A, ME0Read(m, m->X));
        ++m->X;
    } else if constexpr (f.mnemonic == INC || f.mnemonic == DEC) {
        if constexpr (f.arg == Arg::Reg16) {
            Reg16<f.reg>(m) += f.mnemonic == INC ? 1 : 0xFFFF;
        } else {
            Set8<f.reg>(m, Add(m, Get8<f.reg>(m), f.mnemonic == INC ? 0x01 : 0xFF, 0));
        }
    } else if constexpr (f.mnemonic == ADR) {
        uint16_t& r = Reg16<f.reg>(m);
        Add(m, LowByte(r), m->A, 0);
        r = static_cast<uint16_t>(r + m->A);
    } else if constexpr (f.mnemonic == ROL) {
        m->A = ApplyShift(m, kShiftLeft[(m->C & 1) << 8 | (m->A & 0xFF)]);
    } else if constexpr (f.mnemonic == SHL) {
        m->A = ApplyShift(m, kShiftLeft[m->A & 0xFF]);
    } else if constexpr (f.mnemonic == ROR) {
        m->A = ApplyShift(m, kShiftRight[(m->C & 1) << 8 | (m->A & 0xFF)]);
    } else if constexpr (f.mnemonic == SHR) {
        m->A = ApplyShift(m, kShiftRight[m->A & 0xFF]);
    } else if constexpr (f.mnemonic == DRL) {
        DigitRotate<I, Bank, true>(m);
    } else if constexpr (f.mnemonic == DRR) {
        DigitRotate<I, Bank, false>(m);
    } else if constexpr (f.mnemonic == AEX) {
        m->A = static_cast<uint8_t>((m->A & 0x0F) << 4 | m->A >> 4);
    } else {
        static_assert(f.mnemonic == ADC, "not an arithmetic or logic instruction");
    }
    Next<I>(m);
}
