#include "app/session.h"

#include <atomic>
#include <cstring>

#include "app/machines.h"
#include "cpu/cpu.h"
#include "cpu/pacing.h"
#include "host/image.h"
#include "host/library.h"
#include "machine/clock.h"
#include "machine/display.h"
#include "machine/keyboard.h"
#include "machine/machine.h"
#include "machine/memory.h"
#include "machine/step.h"
#include "models/tables.h"

namespace {

void Describe(uint32_t image, uint8_t (&slot)[24]) {
    BitmapInfo info;
    ImageDescribe(image, &info);
    std::memcpy(slot, &info, sizeof slot);
}

}  // namespace

bool BindModelLibrary(const std::string& name, ModelLibrary* library, std::string* error, BindingAt at) {
    std::string loaderText;
    void* handle = LibraryOpen(name, &loaderText);
    if (!handle) {
        const std::string text = at == BindingAt::StartUp ? "Erreur de chargement de la DLL " + name + "."
                                                          : "Erreur de chargement de la DLL (" + name + ".DLL)";
        *error = text + " (" + loaderText + ")";
        return false;
    }
    ModelLibrary bound{name, handle};
    bound.initialise = reinterpret_cast<InitialiseEcranClavierFunction>(LibraryFunction(handle, "Initialise_EcranClavier"));
    bound.uneTouche = reinterpret_cast<UneToucheFunction>(LibraryFunction(handle, "UneTouche"));
    bound.libere = reinterpret_cast<LibereRessourceFunction>(LibraryFunction(handle, "Libere_Ressource"));
    bound.getRom = reinterpret_cast<GetRomFunction>(LibraryFunction(handle, "Get_Rom"));
    const std::pair<const void*, const char*> functions[] = {
        {reinterpret_cast<const void*>(bound.initialise), "Initialise_EcranClavier"},
        {reinterpret_cast<const void*>(bound.uneTouche), "UneTouche"},
        {reinterpret_cast<const void*>(bound.libere), "Libere_Ressource"},
        {reinterpret_cast<const void*>(bound.getRom), "Get_Rom"},
    };
    for (const auto& [function, functionName] : functions)
        if (!function) {
            *error = std::string("Erreur de chargement de la fonction ") + functionName;
            LibraryClose(handle);
            return false;
        }
    *library = std::move(bound);
    return true;
}

void UnbindModelLibrary(ModelLibrary* library) {
    LibraryClose(library->handle);
    *library = ModelLibrary{};
}

void ReleaseModelLibrary(LH5801* m, ModelLibrary* library) {
    if (library->libere) library->libere(m);
    UnbindModelLibrary(library);
}

void StartBeforeStateFile(LH5801* m, const ModelLibrary& library) {
    m->PixelSize = kSkinDotsSmall;
    library.getRom(m, kFirstStartRom);
    m->FrequenceMax = 0;
}

bool StartAfterStateFile(LH5801* m, const ModelLibrary& library) {
    m->Version = sizeof(LH5801);
    m->Running = 0;
    CpuReset(m);
    if (!BuildCycleTimeTable(m)) return false;
    InitialiseSkin(m, library);
    ClockSetFromHostTime(m);
    PaintAll(m);
    return true;
}

bool FirstStart(LH5801* m, const ModelLibrary& library) {
    StartBeforeStateFile(m, library);
    FirstStartDefaults(m);
    return StartAfterStateFile(m, library);
}

StateStart StartFromStateFile(LH5801* m, ModelLibrary* library, const std::string& path) {
    StateStart start;
    StartBeforeStateFile(m, *library);
    start.state = LoadState(m, path);
    if (start.state.outcome == StateLoad::Loaded) {
        if (m->PixelSize != kSkinDotsSmall && m->PixelSize != kSkinDotsFull) m->PixelSize = kSkinDotsSmall;
        const MachineChoice* machine = MachineOfWord(m->Machine);
        ModelLibrary restored;
        if (machine && machine->model.library != library->name) {
            if (BindModelLibrary(std::string(machine->model.library), &restored, &start.libraryError)) {
                UnbindModelLibrary(library);  // nothing of it is in the record yet
                *library = std::move(restored);
            }
        }
    } else {
        FirstStartDefaults(m);
    }
    start.counter = StartAfterStateFile(m, *library);
    return start;
}

bool ChangeMachine(LH5801* m, ModelLibrary* library, const ModelTables& model, uint32_t romId,
                   std::string* error) {
    ModelLibrary next;
    if (!BindModelLibrary(std::string(model.library), &next, error, BindingAt::MachineChange)) return false;
    ReleaseModelLibrary(m, library);
    *library = std::move(next);
    library->getRom(m, romId);
    InitialiseSkin(m, *library);
    m->Machine = static_cast<uint32_t>(model.machine);
    for (int e = 0; e <= kSkinLastLibraryEntry; ++e) DrawCurrentImage(m, e);
    return true;
}

void HardResetMachine(LH5801* m) {
    FirstStartDefaults(m);
    std::atomic_ref<uint32_t>(m->FrequenceMax).store(1, std::memory_order_relaxed);
    BuildCycleTimeTable(m);
    CpuReset(m);
}

void FirstStartDefaults(LH5801* m) {
    HardReset(m);
    KeyLatchClear(m);
    m->Machine = kMachinePC1500A;
    m->Module = kModuleCE161;
    MemoryInitialise(m);
}

void InitialiseSkin(LH5801* m, const ModelLibrary& library) {
    library.initialise(m);
    for (int e = 0; e <= kSkinLastLibraryEntry; ++e) {
        Describe(m->Skin[e].imageB, m->Skin[e].bitmapInfoB);
        Describe(m->Skin[e].imageA, m->Skin[e].bitmapInfoA);
    }
}

void PaintAll(LH5801* m) {
    for (int e = 0; e <= kSkinLastLibraryEntry; ++e) m->Skin[e].dirty = 1;
    DisplayRebuild(m);
    for (int e = 0; e <= kSkinLastKey; ++e) DrawCurrentImage(m, e);
    if (!IsRunning(m)) {
        for (int e = kSkinFirstAnnunciator; e <= kSkinPowerDot; ++e) DrawWithImageB(m, e);
        DisplayDrawDotsUnlit(m);
        return;
    }
    for (int e = kSkinFirstAnnunciator; e <= kSkinPowerDot; ++e) DrawCurrentImage(m, e);
    DisplayRedrawDots(m);
}

void PowerOn(LH5801* m) {
    CpuReset(m);
    DisplayRebuild(m);
    for (int e = 0; e <= kSkinLastAnnunciator; ++e) DrawCurrentImage(m, e);
    DisplayRedrawDots(m);
}

void RunStart(LH5801* m) {
    SetRunning(m, 1);
    DrawWithImageA(m, kSkinPowerDot);
}

void RunEnd(LH5801* m) {
    SetRunning(m, 0);
    for (int e = kSkinFirstAnnunciator; e <= kSkinPowerDot; ++e) DrawWithImageB(m, e);
    DisplayBlank(m);
}

void OffKeyWhileRunning(LH5801* m) { DisplayDrawDotsUnlit(m); }
