// The traced handler table, generated from the handler templates of the
// dispatch table with the traced second-bank access switched in at compile
// time, so that a traced handler cannot drift from its normal twin.
#include <utility>

#include "debug/instruction_text.h"
#include "debug/port_trace.h"
#include "debug/traced_step.h"
#include "machine/machine.h"

namespace {

// The second bank as the traced handlers reach it: the same access, with its
// port banner written into the trace stream.
struct TracedBank {
    static uint8_t Read(LH5801* m, uint16_t a) { return TracedME1Read(m, a, HostOf(m).trace); }
    static void Write(LH5801* m, uint16_t a, uint8_t v) { TracedME1Write(m, a, v, HostOf(m).trace); }
};

// Listing only: the instruction is stepped over, not executed; a branch,
// jump or call is not followed.
template <int I>
void StepOver(LH5801* m) {
    m->P = static_cast<uint16_t>(m->P + kOpcodes[I].length);
    m->Cycle = kOpcodes[I].cycles;
}

template <int I>
void TracedInstruction(LH5801* m) {
    FormInstructionTexts(m, I);
    if (m->Desassemble == 1) return StepOver<I>(m);
    InstructionHandler<I, TracedBank>(m);
}

template <int I>
void TracedUndefined(LH5801* m) {
    FormInstructionTexts(m, I);
    if constexpr (IsFdPage(I)) UndefinedFdPage(m);
    else UndefinedFirstPage(m);
}

// FD: P stays on the FD byte; the FD-page entry forms the texts.
void TracedPrefix(LH5801* m) {
    kTracedDispatch[kFdPage + ME0Read(m, static_cast<uint16_t>(m->P + 1))](m);
}

template <int I>
constexpr Handler TracedHandlerFor() {
    constexpr Family family = FamilyOf(kOpcodes[I].mnemonic);
    if constexpr (family == Family::Undefined) return &TracedUndefined<I>;
    else if constexpr (family == Family::Prefix) return &TracedPrefix;
    else return &TracedInstruction<I>;
}

template <std::size_t... I>
constexpr DispatchTable MakeTracedTable(std::index_sequence<I...>) {
    return {TracedHandlerFor<static_cast<int>(I)>()...};
}

}  // namespace

constinit const DispatchTable kTracedDispatch = MakeTracedTable(std::make_index_sequence<512>{});
