// The emulator's window: the skin drawn from the window surface, the French
// menu bar built from the menu table, message boxes, the two picture dialogs
// and the timers. It forwards everything else to the Emulator and implements
// the Ui the Emulator talks through.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <map>

#include "app/emulator.h"
#include "app/ui.h"

class QAction;
class SkinView;

class MainWindow : public QMainWindow, public Ui {
public:
    explicit MainWindow(EmulatorOptions options = {});
    ~MainWindow() override;

    // The start-up; false when the program must end.
    bool Start();

    Emulator& emulator() { return emulator_; }
    QAction* Action(int id) const;
    SkinView* view() const { return view_; }

    // Tests answer message boxes and dialogs instead of a person; by default
    // they are shown modally.
    std::function<void(const Message&)> messageHook;
    std::function<void(int)> dialogHook;

    // Ui
    void ShowMessage(const Message& message) override;
    void CheckMenuItem(int id, bool checked) override;
    void EnableMenuItem(int id, bool enabled) override;
    bool IsMenuItemChecked(int id) const override;
    void SetTitle(const std::string& title) override;
    void ShowDialog(int id) override;
    void StartSecondTimer() override;
    void Quit() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenuBar();
    void Frame();

    Emulator emulator_;
    SkinView* view_;
    std::map<int, QAction*> actions_;
    QTimer secondTimer_;
    QTimer frameTimer_;
};
