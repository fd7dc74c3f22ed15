#include "app/machines.h"

#include "app/menu.h"
#include "models/tables.h"

namespace {

const MachineChoice kMachines[] = {
    {ZelkorTables(), kCmdPc1500Rom1, kCmdPc1500Rom3, kCmdPc1500Rom3},
    {ZelkorATables(), kCmdPc1500ARom1, kCmdPc1500ARom3, kCmdPc1500ARom3},
    {KavroTables(), kCmdPc2Rom1, kCmdPc2Rom3, kCmdPc2Rom3},
};

}  // namespace

const MachineChoice* MachineOfItem(int id) {
    for (const MachineChoice& machine : kMachines)
        if (id >= machine.firstItem && id <= machine.lastItem) return &machine;
    return nullptr;
}

const MachineChoice* MachineOfWord(uint32_t word) {
    for (const MachineChoice& machine : kMachines)
        if (static_cast<uint32_t>(machine.model.machine) == word) return &machine;
    return nullptr;
}
