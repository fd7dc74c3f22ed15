#include <atomic>
#include <cstring>

#include "cpu/alu.h"
#include "cpu/cpu.h"
#include "cpu/handlers.h"
#include "cpu/pacing.h"
#include "cpu/timer.h"
#include "machine/display.h"
#include "machine/memory.h"

void EnterInterrupt(LH5801* m, uint16_t vector, uint16_t& request) {
    ME0Write(m, m->S, PackT(m));
    --m->S;
    m->IE = 0;
    request = 0;
    PushWord(m, m->P);
    m->P = static_cast<uint16_t>(ME0Read(m, vector) << 8 | ME0Read(m, static_cast<uint16_t>(vector + 1)));
}

namespace {

// A pending request is taken in the order IR0, IR1, IR2; the timer and
// maskable ones only while IE is 1. While IE is 0 they stay pending and the
// CPU goes on executing, so that a second request queued behind the first
// (both raised at once) is taken after the first handler's RTI.
[[gnu::noinline]] bool TakeInterrupt(LH5801* m) {
    if (m->IR0) {
        EnterInterrupt(m, kVectorNonMaskable, m->IR0);
        return true;
    }
    if (!m->IE) return false;
    if (m->IR1) {
        EnterInterrupt(m, kVectorTimer, m->IR1);
        return true;
    }
    if (m->IR2) {
        EnterInterrupt(m, kVectorMaskable, m->IR2);
        return true;
    }
    return false;
}

inline int StepInline(LH5801* m) {
    if ((m->IR0 | m->IR1 | m->IR2) != 0) [[unlikely]] {
        if (TakeInterrupt(m)) return 1;
    }
    if (m->OFF) [[unlikely]]
        return 0;
    m->liCurrent = HostCounter();
    kDispatch[ME0Read(m, m->P)](m);
    m->liLast = HostCounter();
    TimerTick(m, m->Cycle);
    if (std::atomic_ref<uint32_t>(m->FrequenceMax).load(std::memory_order_relaxed) != 1) PacingWait(m);
    DisplayRefresh(m);
    return 1;
}

}  // namespace

int Step(LH5801* m) { return StepInline(m); }

uint64_t RunSteps(LH5801* m, uint64_t limit) {
    uint64_t steps = 0;
    while (steps < limit && StepInline(m)) ++steps;
    return steps;
}

void CpuReset(LH5801* m) {
    m->OFF = m->HLT = 0;
    m->IE = m->C = m->Z = m->H = m->V = m->IR0 = m->IR1 = m->IR2 = 0;
    m->PV = m->PU = 0;
    m->DISP = m->A = m->X = m->Y = m->U = 0;
    m->P = static_cast<uint16_t>(ME0Read(m, kVectorReset) << 8 | ME0Read(m, kVectorReset + 1));
    m->S = 0;
    m->TM = 0;
    m->Cycle = 0;
    m->InOut = 0xFF;
}

void HardReset(LH5801* m) {
    CpuReset(m);
    std::memset(m->BufferVideo, 0, sizeof m->BufferVideo);
    std::memset(&m->Busy, 0, sizeof(uint32_t) * 14);
    std::memset(m->Dots, 0, sizeof m->Dots);
}
