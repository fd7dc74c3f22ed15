#include "app/machines.h"

#include "app/menu.h"
#include "machine/memory.h"

namespace {

constexpr MachineModel kModels[] = {
    {"Zelkor", kMachinePC1500, kCmdPc1500Rom1, kCmdPc1500Rom3, kCmdPc1500Rom3},
    {"ZelkorA", kMachinePC1500A, kCmdPc1500ARom1, kCmdPc1500ARom3, kCmdPc1500ARom3},
    {"Kavro", kMachinePC2, kCmdPc2Rom1, kCmdPc2Rom3, kCmdPc2Rom3},
};

}  // namespace

const MachineModel* ModelOfItem(int id) {
    for (const MachineModel& model : kModels)
        if (id >= model.firstItem && id <= model.lastItem) return &model;
    return nullptr;
}

const MachineModel* ModelOfMachine(uint32_t machine) {
    for (const MachineModel& model : kModels)
        if (model.machine == machine) return &model;
    return nullptr;
}
