// The debug run around its steps: the trace file "traces" opened at its
// start with the start box and the machine report, traced steps, and the end
// box with the report again once the CPU is off.
//
// How a program runs it (the window's emulation thread, zelkor-cli run):
//   on the starting thread, before the run:  BeginDebugRun(m, "traces", &error)
//     (false: tell the user; the run goes on without a trace);
//   the run loop:                            DebugRunLoop(m, stop) or DebugStep(m)
//   once the CPU is off, after the state file is saved: EndDebugRun(m).
#pragma once

#include <string>

#include "cpu/record.h"
#include "machine/step.h"

constexpr const char* kTraceFileName = "traces";

// Creates (or truncates) the trace file at `path`, sets Trace to 1 and writes
// the start box and the machine report. False with the reason in `error` when
// the file cannot be created: no stream is kept and the run has no trace.
bool BeginDebugRun(LH5801* m, const std::string& path, std::string* error);

// The message the user gets when the trace file cannot be created.
std::string TraceFailureMessage(const std::string& path, const std::string& error);

// The traced step while the trace is open, else the machine step.
int DebugStep(LH5801* m);

// The end box and the machine report, then the trace file closed. Nothing
// when no trace is open.
void EndDebugRun(LH5801* m);

// Steps until the CPU executes OFF (true) or `stop()`, asked before every
// step, says to stop (false): the debug run's loop, of the same shape as the
// normal run's.
template <typename Stop>
bool DebugRunLoop(LH5801* m, Stop&& stop) {
    for (;;) {
        if (stop()) return false;
        if (DebugStep(m) == kStepOff) return true;
    }
}
