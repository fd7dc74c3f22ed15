#include "machine/step.h"

#include <atomic>
#include <cstring>

#include "cpu/cpu.h"
#include "cpu/handlers.h"
#include "cpu/pacing.h"
#include "cpu/timer.h"
#include "machine/display.h"
#include "machine/memory.h"

namespace {

inline int StepInline(LH5801* m) {
    if (InterruptRequested(m)) [[unlikely]] {
        if (TakeInterrupt(m)) return 0;
    }
    if (m->OFF) [[unlikely]]
        return kStepOff;
    m->liCurrent = HostCounter();
    kDispatch[ME0Read(m, m->P)](m);
    m->liLast = HostCounter();
    TimerTick(m, m->Cycle);
    if (std::atomic_ref<uint32_t>(m->FrequenceMax).load(std::memory_order_relaxed) != 1) PacingWait(m);
    DisplayRefresh(m);
    return static_cast<int>(m->Cycle);
}

}  // namespace

int Step(LH5801* m) { return StepInline(m); }

uint64_t RunSteps(LH5801* m, uint64_t limit) {
    uint64_t steps = 0;
    while (steps < limit && StepInline(m) != kStepOff) ++steps;
    return steps;
}

void HardReset(LH5801* m) {
    CpuReset(m);
    std::memset(m->BufferVideo, 0, sizeof m->BufferVideo);
    std::memset(&m->Busy, 0, sizeof(uint32_t) * kAnnunciatorFlags);
    std::memset(m->Dots, 0, sizeof m->Dots);
}
