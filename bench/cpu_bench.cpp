// Emulated speed of the machine step at maximum speed, on two loops: mixed
// instructions with the timer interrupt, and a loop that touches memory
// through the map on every instruction. Each runs for the given host time
// (2 s by default).
//
//   build/bin/zelkor-bench [seconds]
//   build/bin/zelkor-bench --paced SECONDS   the mixed loop at the original
//                                            frequency (bench/paced.cpp)
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/loops.h"
#include "bench/speed.h"
#include "machine/machine.h"

int RunPaced(LH5801* m, double emulatedSeconds);

int main(int argc, char** argv) {
    const bool paced = argc > 2 && std::strcmp(argv[1], "--paced") == 0;
    const double seconds = paced ? std::atof(argv[2]) : argc > 1 ? std::atof(argv[1]) : 2.0;
    if (paced) {
        auto machine = NewMachine();
        kMixedLoop.load(&machine->record);
        return RunPaced(&machine->record, seconds);
    }
    int status = 0;
    for (const BenchLoop& loop : {kMixedLoop, kMemoryLoop}) {
        auto machine = NewMachine();
        LH5801* m = &machine->record;
        loop.load(m);
        const Speed s = MeasureSpeed(m, Step, seconds, 1 << 20);
        if (!loop.Inside(m)) {
            std::fprintf(stderr, "zelkor-bench: the %s left its code (P=%04X)\n", loop.name, m->P);
            status = 1;
        }
        PrintSpeed(loop.name, s);
    }
    return status;
}
