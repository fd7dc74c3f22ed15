// The machine as the program around it drives it, with or without a window:
// binding a model library, the first start's defaults, power-on, the
// emulation thread's start and end, the paint of the whole skin. The Qt window
// and zelkor-cli run share these steps.
#pragma once

#include <string>

#include "cpu/record.h"
#include "models/model_api.h"

struct ModelLibrary {
    std::string name;  // "ZelkorA", "Zelkor", "Kavro"
    void* handle = nullptr;
    GetRomFunction getRom = nullptr;
    InitialiseEcranClavierFunction initialise = nullptr;
    UneToucheFunction uneTouche = nullptr;
    LibereRessourceFunction libere = nullptr;
};

// Loads the library from the program's directory and looks up its four
// functions. On failure returns false with the message box text in `error`
// (and the loader's own text after it) and leaves `library` unbound.
bool BindModelLibrary(const std::string& name, ModelLibrary* library, std::string* error);
void UnbindModelLibrary(ModelLibrary* library);

// Identifier of the ROM chosen at the first start (the PC-1500A optimised ROM).
constexpr uint32_t kFirstStartRom = 258;

// The defaults of a first start without a state file: hard reset, key latch
// cleared, Machine 255, Module 272, memory initialisation.
void FirstStartDefaults(LH5801* m);

// The library's skin stored into the record: Initialise_EcranClavier, then
// the descriptions of imageB and imageA of entries 0-83.
void InitialiseSkin(LH5801* m, const ModelLibrary& library);

// The whole window painted as after an erase: every entry marked dirty, the
// display model rebuilt, entries 0-66 drawn, then the annunciators and dots
// (unlit while the machine is off).
void PaintAll(LH5801* m);

// Power-on (ON while the machine is off): CPU reset, display rebuild, entries
// 0-80 and every dot redrawn.
void PowerOn(LH5801* m);

// The emulation thread's first steps (Running 1, the power dot lit) and its
// last ones once the CPU is off (Running 0, annunciators and power dot unlit,
// the display blanked).
void RunStart(LH5801* m);
void RunEnd(LH5801* m);

// The OFF key while the machine runs: every dot drawn unlit.
void OffKeyWhileRunning(LH5801* m);
