// Compile-time operand access for the instruction handlers. Each helper is a
// template over the dispatch index, so a handler's operand form, bank and
// register come from the opcode facts and nothing is decoded at run time.
#pragma once

#include <cstdint>

#include "cpu/opcodes.h"
#include "cpu/record.h"
#include "machine/memory.h"

template <Reg R>
inline uint8_t Get8(const LH5801* m) {
    if constexpr (R == Reg::A) return static_cast<uint8_t>(m->A);
    else if constexpr (R == Reg::XL) return LowByte(m->X);
    else if constexpr (R == Reg::XH) return HighByte(m->X);
    else if constexpr (R == Reg::YL) return LowByte(m->Y);
    else if constexpr (R == Reg::YH) return HighByte(m->Y);
    else if constexpr (R == Reg::UL) return LowByte(m->U);
    else if constexpr (R == Reg::UH) return HighByte(m->U);
    else static_assert(R == Reg::A, "not a byte register");
}

inline void SetLow(uint16_t& r, uint8_t v) { r = static_cast<uint16_t>((r & 0xFF00) | v); }
inline void SetHigh(uint16_t& r, uint8_t v) { r = static_cast<uint16_t>((r & 0x00FF) | v << 8); }

template <Reg R>
inline void Set8(LH5801* m, uint8_t v) {
    if constexpr (R == Reg::A) m->A = v;
    else if constexpr (R == Reg::XL) SetLow(m->X, v);
    else if constexpr (R == Reg::XH) SetHigh(m->X, v);
    else if constexpr (R == Reg::YL) SetLow(m->Y, v);
    else if constexpr (R == Reg::YH) SetHigh(m->Y, v);
    else if constexpr (R == Reg::UL) SetLow(m->U, v);
    else if constexpr (R == Reg::UH) SetHigh(m->U, v);
    else static_assert(R == Reg::A, "not a byte register");
}

template <Reg R>
inline uint16_t& Reg16(LH5801* m) {
    if constexpr (R == Reg::X) return m->X;
    else if constexpr (R == Reg::Y) return m->Y;
    else if constexpr (R == Reg::U) return m->U;
    else if constexpr (R == Reg::S) return m->S;
    else if constexpr (R == Reg::P) return m->P;
    else static_assert(R == Reg::X, "not a 16-bit register");
}

constexpr bool IsSecondBank(Arg a) {
    return a == Arg::Io || a == Arg::IoAbs || a == Arg::IoImm || a == Arg::IoAbsImm;
}
constexpr bool IsAbsolute(Arg a) {
    return a == Arg::MemAbs || a == Arg::IoAbs || a == Arg::MemAbsImm || a == Arg::IoAbsImm;
}
constexpr bool IsRegisterIndirect(Arg a) {
    return a == Arg::Mem || a == Arg::Io || a == Arg::MemImm || a == Arg::IoImm;
}
constexpr bool IsMemoryImmediate(Arg a) {
    return a == Arg::MemImm || a == Arg::MemAbsImm || a == Arg::IoImm || a == Arg::IoAbsImm;
}

// Operand byte k (0 = the first after the opcode, or after FD xx).
template <int I>
inline uint8_t OperandByte(const LH5801* m, int k) {
    return ME0Read(m, static_cast<uint16_t>(m->P + OperandOffset(I) + k));
}

// Two operand bytes from k on, high byte first.
template <int I>
inline uint16_t OperandWord(const LH5801* m, int k) {
    return static_cast<uint16_t>(OperandByte<I>(m, k) << 8 | OperandByte<I>(m, k + 1));
}

// Effective address of a memory form: the register, or the bytes ab.
template <int I>
inline uint16_t Address(LH5801* m) {
    constexpr OpcodeFacts f = kOpcodes[I];
    if constexpr (IsRegisterIndirect(f.arg)) return Reg16<f.reg>(m);
    else {
        static_assert(IsAbsolute(f.arg));
        return OperandWord<I>(m, 0);
    }
}

// The second bank as the handlers reach it. The dispatch table's handlers
// use the ME1 read and write; the debug run's traced twins are made from the
// same templates with a bank that also writes the port banners.
struct PlainBank {
    static uint8_t Read(LH5801* m, uint16_t a) { return ME1Read(m, a); }
    static void Write(LH5801* m, uint16_t a, uint8_t v) { ME1Write(m, a, v); }
};

template <int I, typename Bank = PlainBank>
inline uint8_t ReadBank(LH5801* m, uint16_t a) {
    if constexpr (IsSecondBank(kOpcodes[I].arg)) return Bank::Read(m, a);
    else return ME0Read(m, a);
}

template <int I, typename Bank = PlainBank>
inline void WriteBank(LH5801* m, uint16_t a, uint8_t v) {
    if constexpr (IsSecondBank(kOpcodes[I].arg)) Bank::Write(m, a, v);
    else ME0Write(m, a, v);
}

// The immediate byte i: first operand byte, or the one after ab.
template <int I>
inline uint8_t Immediate(const LH5801* m) {
    return OperandByte<I>(m, IsAbsolute(kOpcodes[I].arg) ? 2 : 0);
}

// The value M of a one-operand instruction: register byte, memory byte or i.
template <int I, typename Bank = PlainBank>
inline uint8_t Operand(LH5801* m) {
    constexpr OpcodeFacts f = kOpcodes[I];
    if constexpr (f.arg == Arg::Reg8) return Get8<f.reg>(m);
    else if constexpr (f.arg == Arg::Imm || f.arg == Arg::Reg8Imm) return OperandByte<I>(m, 0);
    else return ReadBank<I, Bank>(m, Address<I>(m));
}

// The usual end of a handler: P past the instruction, its cycle count.
template <int I>
inline void Next(LH5801* m) {
    m->P = static_cast<uint16_t>(m->P + kOpcodes[I].length);
    m->Cycle = kOpcodes[I].cycles;
}

inline void Push(LH5801* m, uint8_t v) {
    ME0Write(m, m->S, v);
    --m->S;
}

inline uint8_t Pop(LH5801* m) {
    ++m->S;
    return ME0Read(m, m->S);
}

inline void PushWord(LH5801* m, uint16_t v) {
    Push(m, LowByte(v));
    Push(m, HighByte(v));
}

// The word at S + 1 (high) and S + 2 (low), as RTN, RTI and POP R read it.
inline uint16_t StackWord(const LH5801* m) {
    return static_cast<uint16_t>(ME0Read(m, static_cast<uint16_t>(m->S + 1)) << 8 |
                                 ME0Read(m, static_cast<uint16_t>(m->S + 2)));
}

// The vector word for number n: FF00 + n (high) and FF01 + n (low).
inline uint16_t VectorWord(const LH5801* m, uint8_t n) {
    return static_cast<uint16_t>(ME0Read(m, static_cast<uint16_t>(0xFF00 + n)) << 8 |
                                 ME0Read(m, static_cast<uint16_t>(0xFF01 + n)));
}
