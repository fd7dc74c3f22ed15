#include "debug/traced_step.h"

#include <atomic>
#include <cstring>

#include "cpu/cpu.h"
#include "cpu/pacing.h"
#include "cpu/timer.h"
#include "debug/trace_writer.h"
#include "machine/display.h"
#include "machine/machine.h"
#include "machine/memory.h"
#include "machine/step.h"

namespace {

// The interrupt entry's banner, by the request it took.
void WriteEntryBanner(std::FILE* out, const LH5801* m, uint16_t ir0, uint16_t ir1) {
    if (ir0 && !m->IR0) WriteInterruptBanner(out, InterruptKind::NonMaskable);
    else if (ir1 && !m->IR1) WriteInterruptBanner(out, InterruptKind::Timer);
    else WriteInterruptBanner(out, InterruptKind::Maskable);
}

// Every character of the seven texts zero, as the state file then holds them.
void ClearTexts(LH5801* m) {
    std::memset(m->MO, 0, sizeof m->MO);
    std::memset(m->Li, 0, sizeof m->Li);
    std::memset(m->MP, 0, sizeof m->MP);
    std::memset(m->BU, 0, sizeof m->BU);
    std::memset(m->Debug, 0, sizeof m->Debug);
    std::memset(m->Time, 0, sizeof m->Time);
    std::memset(m->GetSet, 0, sizeof m->GetSet);
}

}  // namespace

int TracedStep(LH5801* m) {
    std::FILE* out = HostOf(m).trace;
    // The tests and their order are the machine step's (machine/step.cpp).
    if (InterruptRequested(m)) [[unlikely]] {
        const uint16_t ir0 = m->IR0, ir1 = m->IR1;
        if (TakeInterrupt(m)) {
            WriteEntryBanner(out, m, ir0, ir1);
            return 0;
        }
    }
    if (m->OFF) [[unlikely]]
        return kStepOff;
    ClearTexts(m);
    m->liCurrent = HostCounter();
    kTracedDispatch[ME0Read(m, m->P)](m);
    m->liLast = HostCounter();
    WriteInstructionRecord(out, m);
    TimerTick(m, m->Cycle);
    if (std::atomic_ref<uint32_t>(m->FrequenceMax).load(std::memory_order_relaxed) != 1) PacingWait(m);
    if (DisplayRefresh(m)) WriteDisplaySnapshot(out, m);
    return static_cast<int>(m->Cycle);
}
