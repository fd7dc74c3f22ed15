#include "machine/memory.h"

#include <cstring>

namespace {

bool IsSoftwareModule(uint32_t module) {
    return module >= kModuleFirstSoftware && module <= kModuleLastSoftware;
}

// The module area halves refuse writes only for the listed module values;
// an unlisted value leaves 0000-3FFF writable.
bool LowerModuleHalfWritable(uint32_t module) {
    return !(module == kModuleNone || module == kModuleCE151 || module == kModuleCE159 ||
             IsSoftwareModule(module));
}

bool UpperModuleHalfWritable(uint32_t module) {
    return !(module == kModuleNone || module == kModuleCE151 || IsSoftwareModule(module));
}

}  // namespace

bool ME0WritableBelow7000(const LH5801* m, uint16_t a) {
    const uint32_t machine = m->Machine, module = m->Module;
    if (a < 0x2000) return LowerModuleHalfWritable(module);
    if (a < 0x4000) return UpperModuleHalfWritable(module);
    if (a < 0x4800) return true;
    if (a < 0x5800) {
        if (machine == kMachinePC1500A) return true;
        if (machine == kMachinePC1500) return module == kModuleCE151 || module == kModuleMaximum;
        return module == kModuleMaximum;
    }
    if (a < 0x6800)
        return module == kModuleMaximum || (machine == kMachinePC1500A && module == kModuleCE151);
    if (a < 0x6F00) return module == kModuleMaximum;
    return false;
}

void MemoryInitialise(LH5801* m) {
    std::memset(&m->ME0[0x4000], 0xFF, 0x5800 - 0x4000 + 1);  // 4000-5800 inclusive
    std::memset(&m->ME0[0x7000], 0xFF, 0x1000);
    std::memset(&m->ME0[0x7600], 0x00, 0x50);
    std::memset(&m->ME0[0x7700], 0x00, 0x50);
    for (unsigned copy = 0x7000; copy < 0x7600; copy += 0x200)
        std::memcpy(&m->ME0[copy], &m->ME0[0x7600], 0x200);
}
