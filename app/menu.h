// The emulator's menu bar: every popup, item identifier, text and separator
// in one table, from which the window builds its menu and the commands are
// dispatched. Texts are UTF-8; "&" marks the mnemonic letter.
#pragma once

#include <span>
#include <string_view>

// Command identifiers.
enum MenuCommand : int {
    kCmdSaveProgram = 100,
    kCmdLoadProgram = 101,
    kCmdQuit = 102,
    kCmdCe150First = 201,
    kCmdCe150Last = 203,
    kCmdCe153 = 204,
    kCmdCe158 = 205,
    kCmdHardReset = 250,
    kCmdPc1500Rom1 = 252,
    kCmdPc1500Rom2 = 253,
    kCmdPc1500Rom3 = 254,
    kCmdPc1500ARom1 = 256,
    kCmdPc1500ARom2 = 257,
    kCmdPc1500ARom3 = 258,
    kCmdPc2Rom1 = 260,
    kCmdPc2Rom3 = 262,
    kCmdKeyboard = 263,
    kCmdDebugMode = 264,
    kCmdMaxFrequency = 265,
    kCmdOriginalFrequency = 266,
    kCmdPixels2 = 267,
    kCmdPixels3 = 268,
    kCmdFirstModule = 269,
    kCmdLastPlainModule = 273,  // 269-273 are memory; 274-282 software modules
    kCmdLastModule = 282,
    kCmdFirstDebug = 300,
    kCmdLastDebug = 309,
    kCmdHelp = 400,
    kCmdAbout = 401,
};

// Dialogs of the program.
constexpr int kDialogAbout = 1000;
constexpr int kDialogKeyboard = 1100;

constexpr int kMenuSeparator = 0;

struct MenuItem {
    int id;  // kMenuSeparator for a separator line
    std::string_view text;
};

struct MenuPopup {
    std::string_view title;
    std::span<const MenuItem> items;
};

// The four popups in menu-bar order.
std::span<const MenuPopup> MenuBar();

// The text of item `id`, or "" when the menu has no such item.
std::string_view MenuText(int id);

// The machine items (one model and ROM each), in menu order.
std::span<const int> MachineItems();

// The items greyed while the machine runs: the machine items, the CE-150,
// CE-153 and CE-158 items and the module items.
std::span<const int> ConfigurationItems();
