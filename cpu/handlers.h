// The instruction handlers: InstructionHandler<I> executes dispatch entry I,
// with the semantics its opcode facts name. The dispatch table of 512
// handlers is made from these templates (cpu/dispatch.cpp).
#pragma once

#include "cpu/ops_alu.h"
#include "cpu/ops_flow.h"
#include "cpu/ops_move.h"

enum class Family : uint8_t { Undefined, Prefix, Alu, Move, Flow };

constexpr Family FamilyOf(Mn mn) {
    if (mn == Mn::Undefined) return Family::Undefined;
    if (mn == Mn::Prefix) return Family::Prefix;
    if (mn >= kFirstAluMnemonic && mn < kFirstMoveMnemonic) return Family::Alu;
    if (mn >= kFirstMoveMnemonic && mn < kFirstFlowMnemonic) return Family::Move;
    return Family::Flow;
}

using Handler = void (*)(LH5801*);
using DispatchTable = std::array<Handler, 512>;

extern const DispatchTable kDispatch;

// The two shared handlers of the undefined opcodes: P past the byte (or both
// FD bytes), 1 cycle, nothing else.
inline void UndefinedFirstPage(LH5801* m) {
    m->P = static_cast<uint16_t>(m->P + 1);
    m->Cycle = 1;
}

inline void UndefinedFdPage(LH5801* m) {
    m->P = static_cast<uint16_t>(m->P + 2);
    m->Cycle = 1;
}

// FD: the byte after it selects the FD-page handler; P stays on the FD byte
// and that handler advances over both.
inline void PrefixOp(LH5801* m) {
    kDispatch[kFdPage + ME0Read(m, static_cast<uint16_t>(m->P + 1))](m);
}

// Executes dispatch entry I; `Bank` is the second bank's access (the plain
// ME1 read and write, or the debug run's traced ones).
template <int I, typename Bank = PlainBank>
void InstructionHandler(LH5801* m) {
    constexpr Family family = FamilyOf(kOpcodes[I].mnemonic);
    if constexpr (family == Family::Alu) AluOp<I, Bank>(m);
    else if constexpr (family == Family::Move) MoveOp<I, Bank>(m);
    else FlowOp<I>(m);
}

// The handler of dispatch entry I.
template <int I>
constexpr Handler HandlerFor() {
    constexpr Family family = FamilyOf(kOpcodes[I].mnemonic);
    if constexpr (family == Family::Undefined) return IsFdPage(I) ? &UndefinedFdPage : &UndefinedFirstPage;
    else if constexpr (family == Family::Prefix) return &PrefixOp;
    else return &InstructionHandler<I>;
}
