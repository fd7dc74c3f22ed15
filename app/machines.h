// The three machines as the Configuration menu offers them: each model's
// items (one per ROM) and the item marked when a state file brings it back.
#pragma once

#include <cstdint>

struct ModelTables;

struct MachineChoice {
    const ModelTables& model;
    int firstItem, lastItem;
    int optimisedItem;
};

// The machine of a menu item 252-262, or nullptr.
const MachineChoice* MachineOfItem(int id);

// The machine of a Machine word (251, 255, 259), or nullptr for any other.
const MachineChoice* MachineOfWord(uint32_t machine);
