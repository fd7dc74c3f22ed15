#include "host/counter.h"

#include <time.h>

namespace {

int64_t MonotonicNanoseconds() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC_RAW, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

int64_t MeasureFrequency() {
#if defined(__x86_64__)
    // 20 ms against the monotonic clock: a few parts per million.
    const int64_t t0 = MonotonicNanoseconds(), c0 = HostCounter();
    int64_t t1 = t0, c1 = c0;
    while (t1 - t0 < 20000000) {
        t1 = MonotonicNanoseconds();
        c1 = HostCounter();
    }
    if (c1 <= c0) return 0;
    return static_cast<int64_t>(static_cast<double>(c1 - c0) * 1e9 / static_cast<double>(t1 - t0));
#else
    return 1000000000;
#endif
}

}  // namespace

int64_t HostCounterFrequency() {
    static const int64_t frequency = MeasureFrequency();
    return frequency;
}
