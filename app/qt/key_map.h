// Qt key events as the host virtual-key codes of the PC key table
// (machine/keyboard.h): Backspace 8, Tab 9, Enter 13, Shift 16, Escape 27,
// Space 32, arrows 37-40, Print 44, Delete 46, digits 48-57, letters 65-90,
// keypad digits 96-105 and operators 106-111, F1-F24 112-135, Control 162.
#pragma once

#include <Qt>

// The virtual-key code of a Qt key, 0 when it has none.
int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);
