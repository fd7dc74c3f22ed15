#include "cpu/cpu.h"

#include "cpu/alu.h"
#include "cpu/operands.h"
#include "machine/memory.h"

void EnterInterrupt(LH5801* m, uint16_t vector, uint16_t& request) {
    ME0Write(m, m->S, PackT(m));
    --m->S;
    m->IE = 0;
    request = 0;
    PushWord(m, m->P);
    m->P = static_cast<uint16_t>(ME0Read(m, vector) << 8 | ME0Read(m, static_cast<uint16_t>(vector + 1)));
}

// A pending request is taken in the order IR0, IR1, IR2; the timer and
// maskable ones only while IE is 1. While IE is 0 they stay pending and the
// CPU goes on executing, so that a second request queued behind the first
// (both raised at once) is taken after the first handler's RTI.
bool TakeInterrupt(LH5801* m) {
    if (m->IR0) {
        EnterInterrupt(m, kVectorNonMaskable, m->IR0);
        return true;
    }
    if (!m->IE) return false;
    if (m->IR1) {
        EnterInterrupt(m, kVectorTimer, m->IR1);
        return true;
    }
    if (m->IR2) {
        EnterInterrupt(m, kVectorMaskable, m->IR2);
        return true;
    }
    return false;
}

void CpuReset(LH5801* m) {
    m->OFF = m->HLT = 0;
    m->IE = m->C = m->Z = m->H = m->V = m->IR0 = m->IR1 = m->IR2 = 0;
    m->PV = m->PU = 0;
    m->DISP = m->A = m->X = m->Y = m->U = 0;
    m->P = static_cast<uint16_t>(ME0Read(m, kVectorReset) << 8 | ME0Read(m, kVectorReset + 1));
    m->S = 0;
    m->TM = 0;
    m->Cycle = 0;
    m->InOut = 0xFF;
}
