#include "app/emulation.h"

#include "app/session.h"
#include "debug/debug_run.h"
#include "machine/clock.h"
#include "machine/port.h"
#include "machine/step.h"

bool ApplyRunRequests(LH5801* m, RunControl& control) {
    const uint32_t requests = control.requests.exchange(0, std::memory_order_acquire);
    if (requests & kRequestSeconds)
        for (uint32_t n = control.seconds.exchange(0, std::memory_order_relaxed); n > 0; --n) ClockAdvanceSecond(m);
    if (requests & kRequestHardReset) HardResetMachine(m);
    if (requests & kRequestOnKey) OnKeyInterrupt(m);
    return (requests & kRequestStop) != 0;
}

bool NormalRunLoop(LH5801* m, RunControl& control) {
    m->Trace = 0;
    for (;;) {
        if (control.requests.load(std::memory_order_relaxed) != 0) [[unlikely]] {
            if (ApplyRunRequests(m, control)) return false;
        }
        if (Step(m) == kStepOff) return true;
    }
}

bool TracedRunLoop(LH5801* m, RunControl& control) {
    return DebugRunLoop(m, [&] {
        return control.requests.load(std::memory_order_relaxed) != 0 && ApplyRunRequests(m, control);
    });
}

RunLoop RunLoopFor(bool debug) { return debug ? TracedRunLoop : NormalRunLoop; }

void EmulationThread::Start(LH5801* m, RunLoop loop, std::function<void(LH5801*)> atOff) {
    if (thread_.joinable()) thread_.join();
    control_.requests.store(0, std::memory_order_relaxed);
    control_.seconds.store(0, std::memory_order_relaxed);
    ended_.store(false);
    thread_ = std::thread([this, m, loop, atOff = std::move(atOff)] {
        if (!loop(m, control_)) return;
        if (atOff) atOff(m);
        ended_.store(true);
    });
}

void EmulationThread::Stop() {
    if (!thread_.joinable()) return;
    Post(kRequestStop);
    thread_.join();
}

bool EmulationThread::TakeEnded() {
    if (!ended_.exchange(false)) return false;
    if (thread_.joinable()) thread_.join();
    return true;
}
