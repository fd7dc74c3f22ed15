// What the emulator asks of its user interface. The Qt window implements it,
// zelkor-cli implements it without a window and the tests with a recorder, so
// every menu command, message and menu mark works without a display.
// Every call is made on the window (main) thread.
#pragma once

#include <string>

enum class MessageIcon { Stop, Warning, Information };
enum class MessageButtons { Ok, OkCancel };

struct Message {
    std::string caption;  // "" for the default caption of an error box
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::Information;
    bool owned = true;  // owned by the main window; errors at start-up are not
};

class Ui {
public:
    virtual ~Ui() = default;

    // A modal message box; returns once the user has answered (the answer
    // changes nothing anywhere in the program, so it is not returned).
    virtual void ShowMessage(const Message& message) = 0;

    virtual void CheckMenuItem(int id, bool checked) = 0;
    virtual void EnableMenuItem(int id, bool enabled) = 0;
    virtual bool IsMenuItemChecked(int id) const = 0;

    virtual void SetTitle(const std::string& title) = 0;

    // Modal dialog 1000 (about) or 1100 (keyboard assignment).
    virtual void ShowDialog(int id) = 0;

    // The one-second timer: the window calls Emulator::SecondTick each second.
    virtual void StartSecondTimer() = 0;

    // Ends the program's event loop.
    virtual void Quit() = 0;
};
