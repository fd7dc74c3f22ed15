#include "cpu/pacing.h"

bool BuildCycleTimeTable(LH5801* m) {
    const int64_t frequency = HostCounterFrequency();
    if (frequency <= 0) return false;
    FillCycleTimeTable(m, frequency);
    return true;
}

void FillCycleTimeTable(LH5801* m, int64_t frequency) {
    m->liFrequency = frequency;
    for (uint32_t k = 1; k <= kCycleTableLast; ++k)
        m->TempCycle[k] = static_cast<uint32_t>(frequency * k / kOriginalFrequency);
}
