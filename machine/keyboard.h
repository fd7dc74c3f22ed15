// Key input: a key index (1-66, the key's skin entry) pressed with the mouse
// or a PC key is drawn pressed and, while the machine runs, latched for the
// CPU, which reads it through the keyboard port F00E. Any release draws the
// key released and clears the latch. One key is latched at a time.
#pragma once

#include <cstdint>
#include <functional>

#include "cpu/record.h"

constexpr uint32_t kKeyOff = 9;
constexpr uint32_t kKeyOn = 10;

// What a key press asks of the program around the machine: power-on (ON
// while the machine is off), the ON-key interrupt (ON while it runs; by
// default applied at once, a threaded program posts it to the emulation
// thread) and the OFF-key handling (OFF while it runs). Empty hooks do nothing.
struct KeyboardHooks {
    std::function<void(LH5801*)> powerOn;
    std::function<void(LH5801*)> onKeyInterrupt;
    std::function<void(LH5801*)> offKey;
};

// The key press of key index `key` (0 = no key: nothing but the OFF check).
void KeyPress(LH5801* m, uint32_t key, const KeyboardHooks& hooks);

// The release of whatever key `currentKey` holds (0: nothing); sets it to 0.
void KeyRelease(uint32_t& currentKey, LH5801* m);

// The latch as after a reset: ToucheLue -1 (F00E a plain byte), no key.
void KeyLatchClear(LH5801* m);

// The key index of a host virtual-key code, 0 when it has none.
uint32_t PcKeyIndex(int virtualKeyCode);
