// Data movement and stack instructions.
#pragma once

#include "cpu/alu.h"
#include "cpu/operands.h"

template <int I, typename Bank = PlainBank>
inline void MoveOp(LH5801* m) {
    constexpr OpcodeFacts f = kOpcodes[I];
    using enum Mn;

    if constexpr (f.mnemonic == LDA) {
        m->A = Operand<I, Bank>(m);
        m->Z = m->A == 0;
    } else if constexpr (f.mnemonic == LDI) {
        if constexpr (f.arg == Arg::Reg16Abs) {
            Reg16<f.reg>(m) = OperandWord<I>(m, 0);
        } else if constexpr (f.reg == Reg::VH) {
            m->VRegister = static_cast<uint32_t>(OperandByte<I>(m, 0)) << 8 | (m->VRegister & 0xFF);
        } else if constexpr (f.reg == Reg::A) {
            m->A = OperandByte<I>(m, 0);
            m->Z = m->A == 0;
        } else {
            Set8<f.reg>(m, OperandByte<I>(m, 0));
        }
    } else if constexpr (f.mnemonic == STA) {
        if constexpr (f.arg == Arg::Reg8) Set8<f.reg>(m, static_cast<uint8_t>(m->A));
        else WriteBank<I, Bank>(m, Address<I>(m), static_cast<uint8_t>(m->A));
    } else if constexpr (f.mnemonic == LIN || f.mnemonic == LDE) {
        uint16_t& r = Reg16<f.reg>(m);
        m->A = ME0Read(m, r);
        m->Z = m->A == 0;
        r += f.mnemonic == LIN ? 1 : 0xFFFF;
    } else if constexpr (f.mnemonic == SIN || f.mnemonic == SDE) {
        uint16_t& r = Reg16<f.reg>(m);
        ME0Write(m, r, static_cast<uint8_t>(m->A));
        r += f.mnemonic == SIN ? 1 : 0xFFFF;
    } else if constexpr (f.mnemonic == TIN) {
        ME0Write(m, m->Y, ME0Read(m, m->X));
        ++m->X;
        ++m->Y;
    } else if constexpr (f.mnemonic == LDX) {
        m->X = Reg16<f.reg>(m);  // LDX P: the address of this instruction
    } else if constexpr (f.mnemonic == STX) {
        Reg16<f.reg>(m) = m->X;
        if constexpr (f.reg == Reg::P) {  // a jump to X: P is not advanced
            m->Cycle = f.cycles;
            return;
        }
    } else if constexpr (f.mnemonic == PSH) {
        if constexpr (f.reg == Reg::A) Push(m, static_cast<uint8_t>(m->A));
        else PushWord(m, Reg16<f.reg>(m));
    } else if constexpr (f.mnemonic == POP) {
        if constexpr (f.reg == Reg::A) {
            m->A = Pop(m);
            m->Z = m->A == 0;
        } else {
            Reg16<f.reg>(m) = StackWord(m);
            m->S += 2;
        }
    } else if constexpr (f.mnemonic == TTA) {
        m->A = PackT(m);
        m->Z = m->A == 0;
    } else if constexpr (f.mnemonic == ATT) {
        UnpackT(m, static_cast<uint8_t>(m->A));
    } else if constexpr (f.mnemonic == ITA) {
        m->A = static_cast<uint8_t>(m->InOut);
        m->InOut = 0xFF;  // the port byte is consumed
    } else if constexpr (f.mnemonic == ATP) {
        m->InOut = m->A;
    } else if constexpr (f.mnemonic == AM0) {
        m->TM = m->A;
    } else if constexpr (f.mnemonic == AM1) {
        m->TM = m->A + 0x100u;
    } else {
        static_assert(f.mnemonic == LDA, "not a data movement instruction");
    }
    Next<I>(m);
}
