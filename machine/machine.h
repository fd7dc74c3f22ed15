// A machine record with its companion: the host objects that the record only
// has 4-byte or opaque slots for (the keyboard lock, the bound library, the
// trace stream). The companion sits right after the record in one block, so
// any code holding the record pointer reaches it without a lookup.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <mutex>
#include <type_traits>

#include "cpu/record.h"

struct MachineHost {
    std::mutex keyboardLock;  // guards ToucheLue and ScanClavier
    void* library = nullptr;  // dlopen handle of the bound model library
    std::FILE* trace = nullptr;
};

struct Machine {
    LH5801 record{};  // first member: its address is the Machine's address
    MachineHost host;
};

// HostOf's cast from the record to its Machine is sound only while the record
// is the first member of a standard-layout Machine (the two addresses are then
// one and the same).
static_assert(std::is_standard_layout_v<Machine>);
static_assert(offsetof(Machine, record) == 0);

// A machine with its record zero-filled, as at the program's start.
std::unique_ptr<Machine> NewMachine();

// Every LH5801 the program steps lives inside a Machine made by NewMachine;
// a bare record has no companion, so nothing that reaches the keyboard lock
// may be handed one.
inline MachineHost& HostOf(LH5801* m) { return reinterpret_cast<Machine*>(m)->host; }

// Running: 1 while the emulation thread runs. Both threads read it.
inline bool IsRunning(const LH5801* m) {
    return std::atomic_ref<const uint32_t>(m->Running).load(std::memory_order_relaxed) == 1;
}
inline void SetRunning(LH5801* m, uint32_t value) {
    std::atomic_ref<uint32_t>(m->Running).store(value, std::memory_order_relaxed);
}
