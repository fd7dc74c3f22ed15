#include "machine/ce150.h"

namespace {

// The phase pattern that comes just before p going forward (3, 6, 12, 9, 3).
int32_t ForwardPredecessor(int32_t p) {
    switch (p) {
        case 3: return 9;
        case 6: return 3;
        case 12: return 6;
        default: return 12;  // 9
    }
}

// Just before p going backward (3, 9, 12, 6, 3).
int32_t BackwardPredecessor(int32_t p) {
    switch (p) {
        case 3: return 6;
        case 6: return 12;
        case 12: return 9;
        default: return 3;  // 9
    }
}

}  // namespace

void Ce150Initialise(LH5801* m) {
    if (m->CE150 != 1) return;
    m->PosMoteur = 0;
    m->SensMoteur = kMotorForward;
    m->CodeMoteur = 0;
    const int32_t settings[5] = {0, 1, 0, 1, 5};
    for (int i = 0; i < 5; ++i) m->CE150Settings[i] = settings[i];
}

void Ce150MotorStep(LH5801* m, uint8_t v) {
    const int32_t p = v & 0x0F;  // the Y motor nibble is not interpreted
    if (p != 3 && p != 6 && p != 9 && p != 12) return;
    if (m->PosMoteur == 0) {  // re-starts the count; not a step
        m->PosMoteur = 1;
        m->SensMoteur = kMotorForward;
        m->CodeMoteur = p;
    }
    if (m->CodeMoteur == ForwardPredecessor(p)) {
        ++m->PosMoteur;
        m->SensMoteur = kMotorForward;
        m->CodeMoteur = p;
    } else if (m->CodeMoteur == BackwardPredecessor(p)) {
        --m->PosMoteur;
        m->SensMoteur = kMotorBackward;
        m->CodeMoteur = p;
    }
    if (m->PosMoteur > kMotorMaxPosition) m->PosMoteur = kMotorMaxPosition;
}
