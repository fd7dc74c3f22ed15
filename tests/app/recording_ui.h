// A Ui that records what the emulator asks of it, for tests without a window.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/ui.h"

struct RecordingUi : Ui {
    std::vector<Message> messages;
    std::map<int, bool> checked;
    std::map<int, bool> enabled;
    std::string title;
    std::vector<int> dialogs;
    bool timerStarted = false;
    bool quit = false;

    void ShowMessage(const Message& message) override { messages.push_back(message); }
    void CheckMenuItem(int id, bool on) override { checked[id] = on; }
    void EnableMenuItem(int id, bool on) override { enabled[id] = on; }
    bool IsMenuItemChecked(int id) const override {
        const auto it = checked.find(id);
        return it != checked.end() && it->second;
    }
    void SetTitle(const std::string& text) override { title = text; }
    void ShowDialog(int id) override { dialogs.push_back(id); }
    void StartSecondTimer() override { timerStarted = true; }
    void Quit() override { quit = true; }

    bool IsEnabled(int id) const {
        const auto it = enabled.find(id);
        return it == enabled.end() || it->second;
    }
    // The checked items among first..last.
    std::vector<int> CheckedIn(int first, int last) const {
        std::vector<int> ids;
        for (int id = first; id <= last; ++id)
            if (IsMenuItemChecked(id)) ids.push_back(id);
        return ids;
    }
};
