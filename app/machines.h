// The three emulated machines as the program chooses them: the model library
// of each, its Machine word and its items in the Configuration menu.
#pragma once

#include <cstdint>

struct MachineModel {
    const char* library;  // "Zelkor", "ZelkorA", "Kavro"
    uint32_t machine;     // 251, 255, 259
    int firstItem, lastItem;  // its ROM items in the menu
    int optimisedItem;        // the item marked when a state file brings it back
};

// The machine of a menu item 252-262, or nullptr.
const MachineModel* ModelOfItem(int id);

// The machine of a Machine word, or nullptr for any other value.
const MachineModel* ModelOfMachine(uint32_t machine);
