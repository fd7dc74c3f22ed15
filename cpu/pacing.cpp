#include "cpu/pacing.h"

bool BuildCycleTimeTable(LH5801* m) {
    m->liFrequency = HostCounterFrequency();
    if (m->liFrequency <= 0) return false;
    for (uint32_t k = 1; k <= kCycleTableLast; ++k)
        m->TempCycle[k] = static_cast<uint32_t>(m->liFrequency * k / kOriginalFrequency);
    return true;
}
