// Measuring a step function's emulated speed: steps in chunks until the
// given host time has passed, counting emulated cycles from the steps'
// reports. Host time is given both as wall-clock time and as the time the
// process was on a CPU, which a machine shared with other work does not
// shrink.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>

#include "cpu/record.h"
#include "machine/step.h"

struct Speed {
    double wallSeconds = 0, cpuSeconds = 0;
    uint64_t instructions = 0, interrupts = 0, cycles = 0;

    double WallMHz() const { return static_cast<double>(cycles) / wallSeconds / 1e6; }
    double CpuMHz() const { return static_cast<double>(cycles) / cpuSeconds / 1e6; }
    double CpuNanosecondsPerInstruction() const { return cpuSeconds * 1e9 / static_cast<double>(instructions); }
};

inline double ProcessCpuSeconds() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

template <typename StepFunction>
Speed MeasureSpeed(LH5801* m, StepFunction step, double seconds, uint64_t chunk) {
    using Clock = std::chrono::steady_clock;
    Speed s;
    const auto wall0 = Clock::now();
    const double cpu0 = ProcessCpuSeconds();
    while (s.wallSeconds < seconds) {
        for (uint64_t i = 0; i < chunk; ++i) {
            const int consumed = step(m);
            if (consumed > 0) {
                s.cycles += static_cast<uint64_t>(consumed);
                ++s.instructions;
            } else if (consumed == 0) {
                ++s.interrupts;
            }
        }
        s.wallSeconds = std::chrono::duration<double>(Clock::now() - wall0).count();
    }
    s.cpuSeconds = ProcessCpuSeconds() - cpu0;
    return s;
}

inline void PrintSpeed(const char* name, const Speed& s) {
    std::printf("%-12s %6.1f MHz per CPU second (%5.2f ns an instruction), %6.1f MHz wall-clock;"
                " %llu instructions, %llu interrupts, %.2f s\n",
                name, s.CpuMHz(), s.CpuNanosecondsPerInstruction(), s.WallMHz(),
                static_cast<unsigned long long>(s.instructions), static_cast<unsigned long long>(s.interrupts),
                s.wallSeconds);
}
