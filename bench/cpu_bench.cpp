// Emulated speed of the machine step at maximum speed, on two loops: mixed
// instructions with the timer interrupt, and a loop that touches memory
// through the map on every instruction. Each runs for the given host time
// (2 s by default).
//
//   build/bin/zelkor-bench [seconds]
#include <cstdio>
#include <cstdlib>

#include "bench/loops.h"
#include "bench/speed.h"
#include "machine/machine.h"

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
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
