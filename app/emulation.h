// The emulation thread: it alone steps the machine while it is on. The window
// thread reaches a running machine only through requests (the ON-key
// interrupt, Hard Reset, stop) that the thread applies between two steps.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

#include "cpu/record.h"

enum RunRequest : uint32_t {
    kRequestOnKey = 1,      // the ON-key interrupt
    kRequestHardReset = 2,  // Hard Reset's changes to the record
    kRequestStop = 4,       // end the run now (the program quits)
    kRequestSeconds = 8,    // the calendar clock is `seconds` behind
};

struct RunControl {
    std::atomic<uint32_t> requests{0};
    // One-second ticks not yet applied: counted, so that none is lost when
    // several come before the thread looks.
    std::atomic<uint32_t> seconds{0};
};

// Applies and clears the pending requests; true when the run must stop.
bool ApplyRunRequests(LH5801* m, RunControl& control);

// A run loop steps the machine until the CPU executes OFF (returns true) or
// a stop is requested (returns false), applying requests between steps. The
// debug run has its own loop of the same shape.
using RunLoop = bool (*)(LH5801* m, RunControl& control);

bool NormalRunLoop(LH5801* m, RunControl& control);

// The debug run's loop: traced steps (debug/debug_run.h) into the trace that
// BeginDebugRun opened, or plain steps when it could not be opened.
bool TracedRunLoop(LH5801* m, RunControl& control);

// The loop that power-on starts: the normal run, or the debug run when
// "Mode débug" is checked.
RunLoop RunLoopFor(bool debug);

class EmulationThread {
public:
    EmulationThread() = default;
    EmulationThread(const EmulationThread&) = delete;
    EmulationThread& operator=(const EmulationThread&) = delete;
    ~EmulationThread() { Stop(); }

    // Runs `loop` on a new thread (after reaping an ended one). When the CPU
    // switches itself off, `atOff` runs on that thread before it ends.
    void Start(LH5801* m, RunLoop loop, std::function<void(LH5801*)> atOff);

    // Posts a request to the running thread.
    void Post(RunRequest request) { control_.requests.fetch_or(request, std::memory_order_release); }

    // Posts a one-second tick of the calendar clock to the running thread.
    void PostSecond() {
        control_.seconds.fetch_add(1, std::memory_order_relaxed);
        Post(kRequestSeconds);
    }

    // The ticks posted that an ended thread did not apply; they are the
    // caller's once the thread has been joined (after Stop or TakeEnded).
    uint32_t TakePendingSeconds() { return control_.seconds.exchange(0, std::memory_order_relaxed); }

    // Asks a running thread to stop and waits for it; `atOff` is not run.
    void Stop();

    // True once for each thread that ended because the CPU switched off;
    // the thread has then been joined.
    bool TakeEnded();

    bool Active() const { return thread_.joinable(); }

private:
    std::thread thread_;
    RunControl control_;
    std::atomic<bool> ended_{false};
};
