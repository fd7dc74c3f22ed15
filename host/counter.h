// The host's high-resolution counter: the cheapest monotonic counter there is.
// On x86-64 it is the time-stamp counter (invariant on the machines we run
// on), whose frequency is measured once against the system's monotonic clock.
#pragma once

#include <cstdint>

#if defined(__x86_64__)
#include <x86intrin.h>
#else
#include <time.h>
#endif

inline int64_t HostCounter() {
#if defined(__x86_64__)
    return static_cast<int64_t>(__rdtsc());
#else
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
#endif
}

// Counts per second of HostCounter; 0 when the host has no usable counter.
int64_t HostCounterFrequency();
