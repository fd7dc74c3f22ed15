// Control-flow instructions: branches, LOP, jumps, calls and returns, vector
// calls, the flag and flip-flop instructions, HLT and OFF.
#pragma once

#include "cpu/alu.h"
#include "cpu/operands.h"
#include "cpu/pacing.h"
#include "cpu/timer.h"

// The flag condition of a conditional branch or vector call.
template <Mn M>
inline bool Condition(const LH5801* m) {
    using enum Mn;
    if constexpr (M == BCR || M == VCR) return m->C == 0;
    else if constexpr (M == BCS || M == VCS) return m->C == 1;
    else if constexpr (M == BHR || M == VHR) return m->H == 0;
    else if constexpr (M == BHS || M == VHS) return m->H == 1;
    else if constexpr (M == BZR || M == VZR) return m->Z == 0;
    else if constexpr (M == BZS || M == VZS) return m->Z == 1;
    else if constexpr (M == BVR) return m->V == 0;
    else if constexpr (M == BVS || M == VVS) return m->V == 1;
    else return true;  // BCH
}

// P + 2 plus or minus the displacement, wrapping within 16 bits.
template <int I>
inline uint16_t BranchTarget(const LH5801* m) {
    const uint8_t d = OperandByte<I>(m, 0);
    const uint16_t next = static_cast<uint16_t>(m->P + 2);
    return kOpcodes[I].arg == Arg::Forward ? static_cast<uint16_t>(next + d) : static_cast<uint16_t>(next - d);
}

template <int I>
inline void Branch(LH5801* m, bool taken) {
    constexpr OpcodeFacts f = kOpcodes[I];
    if (taken) {
        m->P = BranchTarget<I>(m);
        m->Cycle = f.cycles;
    } else {
        m->P = static_cast<uint16_t>(m->P + f.length);
        m->Cycle = f.cyclesNotTaken;
    }
}

// Pushes the return address r, then P := the vector word for the number
// read at r - 1 (after the push), Z := 0.
inline void VectorCall(LH5801* m, uint16_t r) {
    PushWord(m, r);
    const uint8_t n = ME0Read(m, static_cast<uint16_t>(r - 1));
    m->P = VectorWord(m, n);
    m->Z = 0;
}

// HLT waits for the timer to run out, ticking with the count of the
// instruction before it; a Cycle of 0 (HLT first after a reset) counts as 1
// so that the wait ends.
inline void Halt(LH5801* m) {
    m->HLT = 1;
    const uint32_t cycles = m->Cycle ? m->Cycle : 1;
    while (m->TM != 0) {
        TimerTick(m, cycles);
        PacingWait(m);
    }
}

template <int I>
inline void FlowOp(LH5801* m) {
    constexpr OpcodeFacts f = kOpcodes[I];
    using enum Mn;

    if constexpr (f.arg == Arg::Forward || f.arg == Arg::Backward) {
        Branch<I>(m, Condition<f.mnemonic>(m));
    } else if constexpr (f.mnemonic == LOP) {
        Branch<I>(m, LowByte(m->U) != 0);
        SetLow(m->U, static_cast<uint8_t>(m->U - 1));
    } else if constexpr (f.mnemonic == JMP) {
        m->P = OperandWord<I>(m, 0);
        m->Cycle = f.cycles;
    } else if constexpr (f.mnemonic == SJP) {
        const uint16_t r = static_cast<uint16_t>(m->P + 3);
        PushWord(m, r);  // the operand bytes are read after the push
        m->P = static_cast<uint16_t>(ME0Read(m, static_cast<uint16_t>(r - 2)) << 8 |
                                     ME0Read(m, static_cast<uint16_t>(r - 1)));
        m->Cycle = f.cycles;
    } else if constexpr (f.mnemonic == RTN) {
        m->P = StackWord(m);
        m->S += 2;
        m->Cycle = f.cycles;
    } else if constexpr (f.mnemonic == RTI) {
        m->P = StackWord(m);
        UnpackT(m, ME0Read(m, static_cast<uint16_t>(m->S + 3)));
        m->S += 3;
        m->Cycle = f.cycles;
    } else if constexpr (f.mnemonic == VEJ) {
        PushWord(m, static_cast<uint16_t>(m->P + 1));
        m->P = VectorWord(m, I & 0xFF);
        m->Z = 0;
        m->Cycle = f.cycles;
    } else if constexpr (f.mnemonic == VMJ) {
        VectorCall(m, static_cast<uint16_t>(m->P + 2));
        m->Cycle = f.cycles;
    } else if constexpr (f.conditional()) {  // VCR VCS VHR VHS VZR VZS VVS
        const uint16_t r = static_cast<uint16_t>(m->P + 2);
        m->P = r;
        if (Condition<f.mnemonic>(m)) {
            VectorCall(m, r);
            m->Cycle = f.cycles;
        } else {
            m->Cycle = f.cyclesNotTaken;
        }
    } else if constexpr (f.mnemonic == HLT) {
        Halt(m);
        Next<I>(m);
    } else if constexpr (f.mnemonic == OFF) {
        m->OFF = 1;
        Next<I>(m);
    } else {
        if constexpr (f.mnemonic == SEC) m->C = 1;
        else if constexpr (f.mnemonic == REC) m->C = 0;
        else if constexpr (f.mnemonic == SIE) m->IE = 1;
        else if constexpr (f.mnemonic == RIE) m->IE = 0;
        else if constexpr (f.mnemonic == SPU) m->PU = 1;
        else if constexpr (f.mnemonic == RPU) m->PU = 0;
        else if constexpr (f.mnemonic == SPV) m->PV = 1;
        else if constexpr (f.mnemonic == RPV) m->PV = 0;
        else if constexpr (f.mnemonic == SDP) m->DISP = 1;
        else if constexpr (f.mnemonic == RDP) m->DISP = 0;
        else static_assert(f.mnemonic == NOP || f.mnemonic == CDV, "not a control-flow instruction");
        Next<I>(m);
    }
}
