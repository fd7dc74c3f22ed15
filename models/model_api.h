// The interface between the emulator and a model library ("Zelkor",
// "ZelkorA", "Kavro"). A library keeps no state of its own: it writes into the
// machine record it is given. The four functions are exported by name with C
// linkage and looked up with LibraryFunction.
#pragma once

#include <cstdint>

#include "cpu/record.h"

extern "C" {
// Copies the ROM image chosen by the menu identifier into ME0 C000-FFFF.
void Get_Rom(LH5801* record, uint32_t romId);
// Writes LcdOriginX/Y and the skin table, creating the images.
void Initialise_EcranClavier(LH5801* record);
// Key index (1-66) under the client point (x in the low 16 bits, y in the
// high 16 bits), or 0.
uint32_t UneTouche(uint32_t position);
// Releases the images the library's Initialise_EcranClavier created.
void Libere_Ressource(LH5801* record);
}

using GetRomFunction = void (*)(LH5801*, uint32_t);
using InitialiseEcranClavierFunction = void (*)(LH5801*);
using UneToucheFunction = uint32_t (*)(uint32_t);
using LibereRessourceFunction = void (*)(LH5801*);
