// The emulator program without its window: start-up, the menu commands, key
// and mouse input, the one-second tick, power-on and the emulation thread,
// the state file and the shut-down. It talks to the user only through `Ui`;
// every call is made on the window thread.
//
//   Emulator emulator(ui);
//   if (!emulator.Start()) return 1;   // a message has been shown
//   ... emulator.Command(id), MousePress(x, y), Poll() at the frame rate ...
//   emulator.Shutdown();                // menu "Quitter" or the window closed
#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "app/emulation.h"
#include "app/session.h"
#include "app/state_file.h"
#include "app/ui.h"
#include "machine/keyboard.h"
#include "machine/machine.h"

struct EmulatorOptions {
    std::string stateFile = "Zelkora.mem";
    std::string startLibrary = "ZelkorA";  // the library bound at start-up
    std::string traceFile = "traces";      // written by a debug run
};

class Emulator {
public:
    explicit Emulator(Ui& ui, EmulatorOptions options = {});
    ~Emulator();

    // The program's start-up. False when the program cannot go on (a message
    // has been shown); the caller then ends the program.
    bool Start();

    // A menu command by identifier.
    void Command(int id);

    // Left button pressed at a client position; any left button or PC key
    // released; a PC key (host virtual-key code) pressed, repeats included.
    void MousePress(int x, int y);
    void PcKeyPress(int virtualKey);
    void KeyRelease();

    // The one-second timer.
    void SecondTick();

    // Housekeeping at the frame rate: notices a run that has ended.
    void Poll();

    // The whole skin drawn again (the window was uncovered or first shown).
    void PaintAll();

    // Shut-down: stops a running machine, writes the state file, releases
    // the skin and the library, and quits. Idempotent.
    void Shutdown();

    LH5801* record() { return &machine_->record; }
    bool IsOn() const;

private:
    void SetStartMarks();
    void SetMarksFromRecord(bool restored);
    void ReportStateLoad(const StateLoadResult& result);
    void ShowWarning(const std::string& text);
    void ShowError(const std::string& text);
    void CheckOnly(int first, int last, int checked);
    void CheckMachineItem(int id);
    void CheckModule(uint32_t module);
    void CheckSpeed();
    void CheckPixels();
    void ChangeMachine(int id);
    void HardResetCommand();
    void ChooseModule(int id);
    void ToggleDebugMode();
    void SetFrequenceMax(uint32_t value);
    void SetPixelSize(uint32_t value);
    void EnableConfiguration(bool enabled);
    void PowerOnAndRun();
    void OffKey();
    void SaveStateAtQuit();
    void RunEnded();

    Ui& ui_;
    EmulatorOptions options_;
    std::unique_ptr<Machine> machine_;
    ModelLibrary library_;
    KeyboardHooks hooks_;
    uint32_t currentKey_ = 0;
    EmulationThread thread_;
    std::mutex saveErrorLock_;
    std::string saveError_;  // written by the emulation thread at its end
    bool started_ = false;
    bool shutDown_ = false;
};
