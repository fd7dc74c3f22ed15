// The debug run's step: the machine step with exactly its effects, plus the
// trace. Every instruction goes through the traced handler table, made from
// the same handler templates as the dispatch table with the traced access to
// the second bank; its texts go to the machine's trace stream.
#pragma once

#include <array>
#include <cstdio>

#include "cpu/handlers.h"
#include "cpu/record.h"

// The traced twin of kDispatch: entry I forms the texts of instruction I,
// then executes it as kDispatch[I] does (or, with Desassemble 1, only lists
// it and steps over it).
extern const DispatchTable kTracedDispatch;

// One traced step into the machine's trace stream (HostOf(m).trace, which
// must be open): an interrupt entry with its banner, or one instruction with
// its port banners, its record and, when the display changed, its snapshot.
// Reports what Step reports: the cycles of the instruction, 0 for an
// interrupt entry, kStepOff once the CPU is off.
int TracedStep(LH5801* m);
