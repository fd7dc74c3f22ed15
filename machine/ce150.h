// The CE-150 printer/plotter's X stepper motor: the only part of the device
// that is modelled. Its port C (ME1 B008) carries the motor phases.
#pragma once

#include <cstdint>

#include "cpu/record.h"

constexpr int32_t kMotorForward = 4;
constexpr int32_t kMotorBackward = 3;
constexpr int32_t kMotorMaxPosition = 400;

// Called after CE150 has been set to 1; does nothing otherwise.
void Ce150Initialise(LH5801* m);

// The motor step of a port C write (does not store v in ME1).
void Ce150MotorStep(LH5801* m, uint8_t v);
