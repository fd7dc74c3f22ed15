#include "app/emulator.h"

#include <atomic>
#include <utility>

#include "app/machines.h"
#include "app/menu.h"
#include "app/state_file.h"
#include "app/texts.h"
#include "debug/debug_run.h"
#include "machine/ce150.h"
#include "machine/clock.h"
#include "machine/display.h"
#include "machine/memory.h"
#include "models/tables.h"

namespace {

void Store(uint32_t& field, uint32_t value) { std::atomic_ref<uint32_t>(field).store(value, std::memory_order_relaxed); }
uint32_t Load(uint32_t& field) { return std::atomic_ref<uint32_t>(field).load(std::memory_order_relaxed); }

std::string SaveFailure(const std::string& file, const std::string& error) {
    return "Le fichier d'état " + file + " n'a pas pu être écrit (" + error + "). L'état de la machine n'est pas sauvegardé.";
}

}  // namespace

Emulator::Emulator(Ui& ui, EmulatorOptions options) : ui_(ui), options_(std::move(options)), machine_(NewMachine()) {
    hooks_.powerOn = [this](LH5801*) { PowerOnAndRun(); };
    hooks_.onKeyInterrupt = [this](LH5801*) { thread_.Post(kRequestOnKey); };
    hooks_.offKey = [this](LH5801*) { OffKey(); };
}

Emulator::~Emulator() {
    thread_.Stop();
    if (library_.handle) ReleaseModelLibrary(record(), &library_);
}

bool Emulator::IsOn() const { return IsRunning(&machine_->record); }

void Emulator::ShowWarning(const std::string& text) {
    ui_.ShowMessage({kCaptionWarning, text, MessageButtons::OkCancel, MessageIcon::Warning, true});
}

void Emulator::ShowError(const std::string& text) {
    ui_.ShowMessage({"", text, MessageButtons::Ok, MessageIcon::Stop, false});
}

// ---- Start-up --------------------------------------------------------------

bool Emulator::Start() {
    ui_.SetTitle(kTitleOff);
    SetStartMarks();
    std::string error;
    if (!BindModelLibrary(options_.startLibrary, &library_, &error)) {
        ShowError(error);
        return false;
    }
    const StateStart start = StartFromStateFile(record(), &library_, options_.stateFile);
    if (!start.libraryError.empty()) ShowError(start.libraryError);
    ReportStateLoad(start.state);
    SetMarksFromRecord(start.state.outcome == StateLoad::Loaded);
    if (!start.counter) {
        ShowError(kTextNoCounter);
        return false;
    }
    ui_.StartSecondTimer();
    started_ = true;
    return true;
}

// The marks of a start before the state file is read: the PC-1500A optimised
// ROM, original frequency, 2 x 2 pixels, no debug mode.
void Emulator::SetStartMarks() {
    ui_.CheckMenuItem(kCmdPixels2, true);
    ui_.CheckMenuItem(kCmdPixels3, false);
    ui_.CheckMenuItem(kCmdDebugMode, false);
    CheckMachineItem(kCmdPc1500ARom3);
    ui_.CheckMenuItem(kCmdMaxFrequency, false);
    ui_.CheckMenuItem(kCmdOriginalFrequency, true);
    for (int id = kCmdFirstDebug; id <= kCmdLastDebug; ++id) ui_.EnableMenuItem(id, false);
}

// The marks follow the record: its module, speed and pixel size, and after a
// state file its machine, when that machine's library is the one bound.
void Emulator::SetMarksFromRecord(bool restored) {
    const MachineChoice* machine = MachineOfWord(record()->Machine);
    if (restored && machine && machine->model.library == library_.name) CheckMachineItem(machine->optimisedItem);
    CheckModule(record()->Module);
    CheckSpeed();
    CheckPixels();
}

void Emulator::ReportStateLoad(const StateLoadResult& result) {
    const std::string& name = options_.stateFile;
    if (result.outcome == StateLoad::WrongSize) {
        std::string text = "Le fichier d'état " + name + " fait " + std::to_string(result.size) +
                           " octets au lieu de " + std::to_string(kRecordSize) + " : il n'est pas chargé";
        if (!result.keptAs.empty()) text += " et il est conservé sous le nom " + result.keptAs;
        else text += " (" + result.error + ")";
        ShowWarning(text + ". La machine repart de son état initial.");
    } else if (result.outcome == StateLoad::Unreadable) {
        ShowWarning("Le fichier d'état " + name + " ne peut pas être lu (" + result.error +
                    "). La machine repart de son état initial.");
    }
}

// ---- Menu marks ------------------------------------------------------------

void Emulator::CheckOnly(int first, int last, int checked) {
    for (int id = first; id <= last; ++id) ui_.CheckMenuItem(id, id == checked);
}

void Emulator::CheckMachineItem(int id) {
    for (int item : MachineItems()) ui_.CheckMenuItem(item, item == id);
}

void Emulator::CheckModule(uint32_t module) { CheckOnly(kCmdFirstModule, kCmdLastModule, static_cast<int>(module)); }

void Emulator::CheckSpeed() {
    const bool maximum = Load(record()->FrequenceMax) == 1;
    ui_.CheckMenuItem(kCmdMaxFrequency, maximum);
    ui_.CheckMenuItem(kCmdOriginalFrequency, !maximum);
}

void Emulator::CheckPixels() {
    const bool small = Load(record()->PixelSize) == kSkinDotsSmall;
    ui_.CheckMenuItem(kCmdPixels2, small);
    ui_.CheckMenuItem(kCmdPixels3, !small);
}

void Emulator::EnableConfiguration(bool enabled) {
    for (int id : ConfigurationItems()) ui_.EnableMenuItem(id, enabled);
}

// ---- Menu commands ---------------------------------------------------------

void Emulator::Command(int id) {
    if (!started_ || shutDown_) return;
    if (MachineOfItem(id)) return ChangeMachine(id);
    if (id >= kCmdCe150First && id <= kCmdCe150Last) {
        record()->CE150 = 1;
        Ce150Initialise(record());
        return ShowWarning(kTextNotReady);
    }
    if (id == kCmdCe153 || id == kCmdCe158) return ShowWarning(kTextEquipmentUnsupported);
    if (id >= kCmdFirstModule && id <= kCmdLastModule) return ChooseModule(id);
    if ((id >= kCmdFirstDebug && id <= kCmdLastDebug) || id == kCmdHelp) return ShowWarning(kTextFunctionUnsupported);
    switch (id) {
        case kCmdHardReset: return HardResetCommand();
        case kCmdKeyboard: return ui_.ShowDialog(kDialogKeyboard);
        case kCmdAbout: return ui_.ShowDialog(kDialogAbout);
        case kCmdDebugMode: return ToggleDebugMode();
        case kCmdMaxFrequency: return SetFrequenceMax(1);
        case kCmdOriginalFrequency: return SetFrequenceMax(0);
        case kCmdPixels2: return SetPixelSize(kSkinDotsSmall);
        case kCmdPixels3: return SetPixelSize(kSkinDotsFull);
        case kCmdSaveProgram:
        case kCmdLoadProgram: return ShowWarning(kTextNotImplemented);
        case kCmdQuit: return Shutdown();
        default: return;
    }
}

void Emulator::ChangeMachine(int id) {
    if (IsOn()) return ShowWarning(kTextChangeWhenStopped);
    ui_.ShowMessage({kCaptionInformation, kTextResetNeeded, MessageButtons::Ok, MessageIcon::Information, true});
    std::string error;
    if (!::ChangeMachine(record(), &library_, MachineOfItem(id)->model, static_cast<uint32_t>(id), &error))
        return ShowError(error);
    CheckMachineItem(id);
}

void Emulator::HardResetCommand() {
    ShowWarning(kTextHardReset);
    if (IsOn()) thread_.Post(kRequestHardReset);
    else HardResetMachine(record());
    CheckModule(kModuleCE161);
    Store(record()->FrequenceMax, 1);
    CheckSpeed();
}

void Emulator::ChooseModule(int id) {
    if (id > kCmdLastPlainModule) ShowWarning(kTextModuleNotImplemented);
    CheckModule(static_cast<uint32_t>(id));
    Store(record()->Module, static_cast<uint32_t>(id));
}

void Emulator::ToggleDebugMode() {
    const bool debug = !ui_.IsMenuItemChecked(kCmdDebugMode);
    ui_.CheckMenuItem(kCmdDebugMode, debug);
    for (int id = kCmdFirstDebug; id <= kCmdLastDebug; ++id) ui_.EnableMenuItem(id, debug);
}

void Emulator::SetFrequenceMax(uint32_t value) {
    Store(record()->FrequenceMax, value);
    CheckSpeed();
}

void Emulator::SetPixelSize(uint32_t value) {
    Store(record()->PixelSize, value);
    CheckPixels();
    DisplayRedrawDots(record());
}

// ---- Keys, the machine on and off ------------------------------------------

void Emulator::MousePress(int x, int y) {
    if (!started_ || shutDown_ || x < 0 || y < 0 || x > 0xFFFF || y > 0xFFFF) return;
    currentKey_ = library_.uneTouche(static_cast<uint32_t>(x) | static_cast<uint32_t>(y) << 16);
    KeyPress(record(), currentKey_, hooks_);
}

void Emulator::PcKeyPress(int virtualKey) {
    if (!started_ || shutDown_) return;
    currentKey_ = PcKeyIndex(virtualKey);
    KeyPress(record(), currentKey_, hooks_);
}

void Emulator::KeyRelease() {
    if (!started_ || shutDown_) return;
    ::KeyRelease(currentKey_, record());
}

// Running is set here, before the thread starts, so that the ON key's own
// press is latched like any other key's (as zelkor-cli does).
void Emulator::PowerOnAndRun() {
    LH5801* m = record();
    PowerOn(m);
    EnableConfiguration(false);
    RunStart(m);
    ui_.SetTitle(kTitleOn);
    // "Mode débug" is read at power-on only. The trace opens before the
    // thread starts, so that a failure is told from this thread.
    const bool debug = ui_.IsMenuItemChecked(kCmdDebugMode);
    std::string traceError;
    if (debug && !BeginDebugRun(m, options_.traceFile, &traceError))
        ShowWarning(TraceFailureMessage(options_.traceFile, traceError));
    thread_.Start(m, RunLoopFor(debug), [this](LH5801* machine) {
        std::string error;
        bool saved;
        {
            // A key pressed or released meanwhile changes the latch in the record.
            std::lock_guard keys(HostOf(machine).keyboardLock);
            saved = SaveState(*machine, options_.stateFile, &error);
        }
        if (!saved) {
            std::lock_guard guard(saveErrorLock_);
            saveError_ = error;
        }
        EndDebugRun(machine);  // the end box and report; nothing after a normal run
        RunEnd(machine);
    });
}

void Emulator::OffKey() {
    EnableConfiguration(true);
    OffKeyWhileRunning(record());
}

// While the emulation thread exists the clock is its own: the tick goes to
// it as a request, applied between two steps.
void Emulator::SecondTick() {
    if (!started_ || shutDown_) return;
    if (thread_.Active()) thread_.PostSecond();
    else ClockAdvanceSecond(record());
}

void Emulator::Poll() {
    if (thread_.TakeEnded()) RunEnded();
}

// The thread has been joined: the record is the window thread's again.
void Emulator::RunEnded() {
    for (uint32_t n = thread_.TakePendingSeconds(); n > 0; --n) ClockAdvanceSecond(record());
    ui_.SetTitle(kTitleOff);
    std::string error;
    {
        std::lock_guard guard(saveErrorLock_);
        error = std::exchange(saveError_, {});
    }
    if (!error.empty()) ShowWarning(SaveFailure(options_.stateFile, error));
}

void Emulator::PaintAll() { ::PaintAll(record()); }

// ---- Shut-down -------------------------------------------------------------

void Emulator::SaveStateAtQuit() {
    std::string error;
    if (!::SaveState(*record(), options_.stateFile, &error)) ShowWarning(SaveFailure(options_.stateFile, error));
}

void Emulator::Shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    if (started_) {
        if (thread_.Active()) {
            thread_.Stop();
            if (thread_.TakeEnded()) RunEnded();
            for (uint32_t n = thread_.TakePendingSeconds(); n > 0; --n) ClockAdvanceSecond(record());
            SetRunning(record(), 0);
        }
        SaveStateAtQuit();
        ReleaseModelLibrary(record(), &library_);
    }
    ui_.Quit();
}
