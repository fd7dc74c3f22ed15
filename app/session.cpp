#include "app/session.h"

#include <atomic>
#include <cstring>

#include "cpu/cpu.h"
#include "host/image.h"
#include "host/library.h"
#include "machine/display.h"
#include "machine/keyboard.h"
#include "machine/machine.h"
#include "machine/memory.h"
#include "machine/step.h"

namespace {

constexpr int kLastKeyEntry = 66;
constexpr int kFirstAnnunciator = 67;
constexpr int kPowerDot = 81;
constexpr int kLastLibraryEntry = 83;

void Describe(uint32_t image, uint8_t (&slot)[24]) {
    BitmapInfo info;
    ImageDescribe(image, &info);
    std::memcpy(slot, &info, sizeof slot);
}

}  // namespace

bool BindModelLibrary(const std::string& name, ModelLibrary* library, std::string* error) {
    std::string loaderText;
    void* handle = LibraryOpen(name, &loaderText);
    if (!handle) {
        *error = "Erreur de chargement de la DLL " + name + ". (" + loaderText + ")";
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

void FirstStartDefaults(LH5801* m) {
    HardReset(m);
    KeyLatchClear(m);
    m->Machine = kMachinePC1500A;
    m->Module = kModuleCE161;
    MemoryInitialise(m);
}

void InitialiseSkin(LH5801* m, const ModelLibrary& library) {
    library.initialise(m);
    for (int e = 0; e <= kLastLibraryEntry; ++e) {
        Describe(m->Skin[e].imageB, m->Skin[e].bitmapInfoB);
        Describe(m->Skin[e].imageA, m->Skin[e].bitmapInfoA);
    }
}

void PaintAll(LH5801* m) {
    for (int e = 0; e <= kLastLibraryEntry; ++e) m->Skin[e].dirty = 1;
    DisplayRebuild(m);
    for (int e = 0; e <= kLastKeyEntry; ++e) DrawCurrentImage(m, e);
    if (!IsRunning(m)) {
        for (int e = kFirstAnnunciator; e <= kPowerDot; ++e) DrawWithImageB(m, e);
        DisplayDrawDotsUnlit(m);
        return;
    }
    for (int e = kFirstAnnunciator; e <= kPowerDot; ++e) DrawCurrentImage(m, e);
    DisplayRedrawDots(m);
}

void PowerOn(LH5801* m) {
    CpuReset(m);
    DisplayRebuild(m);
    for (int e = 0; e <= 80; ++e) DrawCurrentImage(m, e);
    DisplayRedrawDots(m);
}

void RunStart(LH5801* m) {
    SetRunning(m, 1);
    DrawWithImageA(m, kPowerDot);
}

void RunEnd(LH5801* m) {
    SetRunning(m, 0);
    for (int e = kFirstAnnunciator; e <= kPowerDot; ++e) DrawWithImageB(m, e);
    DisplayBlank(m);
}

void OffKeyWhileRunning(LH5801* m) { DisplayDrawDotsUnlit(m); }
