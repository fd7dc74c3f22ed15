#include "machine/machine.h"

std::unique_ptr<Machine> NewMachine() { return std::make_unique<Machine>(); }
