// The machine as the program around it drives it, with or without a window:
// binding a model library and the start sequences (program start, the start
// from a state file, power-on, the emulation thread's start and end, machine
// change, Hard Reset), each the
// part that acts on the record, the library and the window surface. What the
// user sees besides (menu marks, message boxes, the title, the one-second
// timer, the thread itself) is the caller's. The Qt window and zelkor-cli run
// share these functions.
#pragma once

#include <cstdint>
#include <string>

#include "app/state_file.h"
#include "cpu/record.h"
#include "models/model_api.h"

struct ModelTables;

struct ModelLibrary {
    std::string name;  // "ZelkorA", "Zelkor", "Kavro"
    void* handle = nullptr;
    GetRomFunction getRom = nullptr;
    InitialiseEcranClavierFunction initialise = nullptr;
    UneToucheFunction uneTouche = nullptr;
    LibereRessourceFunction libere = nullptr;
};

// The moment of a binding, which words the message of a library that cannot
// be loaded.
enum class BindingAt { StartUp, MachineChange };

// Loads the library from the program's directory and looks up its four
// functions. On failure returns false with the message box text in `error`
// (and the loader's own text after it) and leaves `library` unbound.
bool BindModelLibrary(const std::string& name, ModelLibrary* library, std::string* error,
                      BindingAt at = BindingAt::StartUp);
void UnbindModelLibrary(ModelLibrary* library);

// Libere_Ressource of the library, then the library unbound.
void ReleaseModelLibrary(LH5801* m, ModelLibrary* library);

// Identifier of the ROM chosen at the first start (the PC-1500A optimised ROM).
constexpr uint32_t kFirstStartRom = 258;

// The program's start, in two halves around the reading of the state file.
// Before it: PixelSize 82, the library's ROM kFirstStartRom, FrequenceMax 0.
void StartBeforeStateFile(LH5801* m, const ModelLibrary& library);

// The defaults of a first start without a state file: hard reset, key latch
// cleared, Machine 255, Module 272, memory initialisation.
void FirstStartDefaults(LH5801* m);

// Once the record holds the state file or the defaults: Version, Running 0,
// CPU reset, the cycle-time table, the library's skin, the clock digits from
// the host's local time, the whole window painted. False, with nothing done
// after the table, when the host has no high-resolution counter.
bool StartAfterStateFile(LH5801* m, const ModelLibrary& library);

// The first start without a state file: the two halves around the defaults.
bool FirstStart(LH5801* m, const ModelLibrary& library);

struct StateStart {
    StateLoadResult state;     // what became of the state file
    std::string libraryError;  // the restored model's library could not be bound: its message
    bool counter = true;       // false: the host has no high-resolution counter
};

// The program's start from the state file at `path`: the first half, the file
// read (or, when it cannot be used, the first start's defaults), the second
// half. A restored record keeps its configuration: when its Machine is
// another model's, that model's library is bound in place of `library`
// without Get_Rom (the ROM image came with the file); should it not bind,
// `library` stays. A PixelSize other than 82 or 83 becomes 82.
StateStart StartFromStateFile(LH5801* m, ModelLibrary* library, const std::string& path);

// A machine change while the machine is off: `model`'s library bound in place
// of the previous one (released), its ROM `romId` copied, its skin stored,
// Machine := the model's, entries 0-83 drawn. The CPU, memory, Module and
// CE150 are untouched. When the new library cannot be bound, returns false
// with the message text in `error` and keeps the bound library and the record
// as they were.
bool ChangeMachine(LH5801* m, ModelLibrary* library, const ModelTables& model, uint32_t romId,
                   std::string* error);

// Hard Reset: the defaults of a first start, FrequenceMax 1, the cycle-time
// table built anew, then the CPU reset. The library, its ROM and the skin
// stay. Safe while the machine runs only from the emulation thread between
// two steps.
void HardResetMachine(LH5801* m);

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
