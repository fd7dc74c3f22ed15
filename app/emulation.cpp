#include "app/emulation.h"

#include "cpu/cpu.h"
#include "cpu/pacing.h"
#include "machine/keyboard.h"
#include "machine/memory.h"
#include "machine/port.h"

bool ApplyRunRequests(LH5801* m, RunControl& control) {
    const uint32_t requests = control.requests.exchange(0, std::memory_order_relaxed);
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
        if (!Step(m)) return true;
    }
}

void HardResetMachine(LH5801* m) {
    HardReset(m);
    KeyLatchClear(m);
    m->Machine = kMachinePC1500A;
    m->Module = kModuleCE161;
    std::atomic_ref<uint32_t>(m->FrequenceMax).store(1, std::memory_order_relaxed);
    MemoryInitialise(m);
    CpuReset(m);
    BuildCycleTimeTable(m);
}

void EmulationThread::Start(LH5801* m, RunLoop loop, std::function<void(LH5801*)> atOff) {
    if (thread_.joinable()) thread_.join();
    control_.requests.store(0, std::memory_order_relaxed);
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
