// The bench loop at the original frequency: emulated seconds paced on the
// host counter, as the emulation thread runs them with "Fréquence originale".
// Reports the speed reached and how far past its target each instruction's
// wait ended (a sample of one instruction in 64, so that measuring adds
// nothing to the pace). Time the host gives to other programs is lost to the
// pace for good (each wait counts from the end of its own instruction), so
// the speed over the thread's own CPU time is given too: what an unloaded
// host reaches.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "cpu/pacing.h"
#include "machine/step.h"

namespace {

constexpr uint64_t kSampleEvery = 64;

double ThreadSeconds() {
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double Percentile(std::vector<double>& sorted, double fraction) {
    if (sorted.empty()) return 0;
    return sorted[std::min(sorted.size() - 1, static_cast<size_t>(fraction * static_cast<double>(sorted.size())))];
}

}  // namespace

int RunPaced(LH5801* m, double emulatedSeconds) {
    if (!BuildCycleTimeTable(m)) {
        std::fprintf(stderr, "zelkor-bench: the host has no high-resolution counter\n");
        return 1;
    }
    m->FrequenceMax = 0;
    const double ticksToNs = 1e9 / static_cast<double>(m->liFrequency);
    const uint64_t targetCycles = static_cast<uint64_t>(emulatedSeconds * kOriginalFrequency);
    std::vector<double> late;  // ns from the wait's target to the end of the step
    late.reserve(static_cast<size_t>(targetCycles / 4 / kSampleEvery) + 16);

    uint64_t cycles = 0, steps = 0;
    const auto t0 = std::chrono::steady_clock::now();
    const double cpu0 = ThreadSeconds();
    while (cycles < targetCycles) {
        const int consumed = Step(m);
        if (consumed == kStepOff) break;
        cycles += static_cast<uint64_t>(consumed);
        if (consumed > 0 && ++steps % kSampleEvery == 0) {
            const int64_t waited = HostCounter() - m->liLast;
            const uint32_t k = std::min(m->Cycle, kCycleTableLast);
            late.push_back(static_cast<double>(waited - m->TempCycle[k]) * ticksToNs);
        }
    }
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    const double onCpu = ThreadSeconds() - cpu0;
    if (m->OFF) {
        std::fprintf(stderr, "zelkor-bench: the loop switched the CPU off\n");
        return 1;
    }
    const double mhz = static_cast<double>(cycles) / elapsed / 1e6;
    std::sort(late.begin(), late.end());
    std::printf("paced speed %.3f MHz\n", mhz);
    std::printf("  %.3f emulated s in %.3f host s, %+.2f %% from 1.300 MHz; counter %.0f counts/s\n",
                static_cast<double>(cycles) / kOriginalFrequency, elapsed, (mhz / 1.3 - 1) * 100,
                static_cast<double>(m->liFrequency));
    std::printf("  on the CPU %.3f host s (the rest went to other programs): %.3f MHz, %+.2f %%\n", onCpu,
                static_cast<double>(cycles) / onCpu / 1e6, (static_cast<double>(cycles) / onCpu / 1.3e6 - 1) * 100);
    std::printf("  waits ended past their target (ns, %zu samples): median %.0f, 90 %% %.0f, 99 %% %.0f, "
                "99.9 %% %.0f, max %.0f\n",
                late.size(), Percentile(late, 0.5), Percentile(late, 0.9), Percentile(late, 0.99),
                Percentile(late, 0.999), late.empty() ? 0 : late.back());
    return 0;
}
