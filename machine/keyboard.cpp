#include "machine/keyboard.h"

#include <array>
#include <atomic>
#include <cstring>
#include <mutex>

#include "machine/display.h"
#include "machine/machine.h"
#include "machine/port.h"

namespace {

void SetToucheLue(LH5801* m, int32_t value) {
    std::atomic_ref<int32_t>(m->ToucheLue).store(value, std::memory_order_relaxed);
}

void Latch(LH5801* m, uint32_t key) {
    const SkinEntry& e = m->Skin[key];
    std::lock_guard<std::mutex> lock(HostOf(m).keyboardLock);
    if (m->ScanClavier[0] != 0xFF) return;  // a key is already latched
    SetToucheLue(m, static_cast<int32_t>(key));
    m->ScanClavier[0] = e.scanAll;
    std::memcpy(&m->ScanClavier[1], e.scanLines, sizeof e.scanLines);
}

// Host virtual-key codes 8-163 and their key indices.
struct PcKey {
    uint8_t code;
    uint8_t key;
};
constexpr PcKey kPcKeys[] = {
    {8, 25},    {9, 55},    {13, 60},   {16, 8},    {27, 1},    {32, 57},   {37, 53},   {38, 59},
    {39, 65},   {40, 58},   {44, 47},   {63, 47},   {46, 48},   {59, 48},   {48, 61},   {96, 61},
    {49, 49},   {97, 49},   {50, 50},   {98, 50},   {51, 51},   {99, 51},   {52, 35},   {100, 35},
    {53, 36},   {101, 36},  {54, 37},   {102, 37},  {55, 21},   {103, 21},  {56, 22},   {104, 22},
    {57, 23},   {105, 23},  {106, 38},  {107, 64},  {109, 52},  {110, 62},  {111, 24},  {112, 2},
    {113, 3},   {114, 4},   {115, 5},   {116, 6},   {117, 7},   {162, 56},  {163, 56},
};
// Letters A-Z (codes 65-90) in order.
constexpr uint8_t kLetterKeys[26] = {26, 44, 42, 28, 13, 29, 30, 31, 18, 32, 33, 34, 46,
                                     45, 19, 20, 11, 14, 27, 15, 17, 43, 12, 41, 16, 40};

constexpr auto BuildPcKeyTable() {
    std::array<uint8_t, 256> table{};
    for (const PcKey& k : kPcKeys) table[k.code] = k.key;
    for (int i = 0; i < 26; ++i) table[65 + i] = kLetterKeys[i];
    return table;
}
constexpr auto kPcKeyTable = BuildPcKeyTable();

}  // namespace

void KeyPress(LH5801* m, uint32_t key, const KeyboardHooks& hooks) {
    if (key == kKeyOn) {
        if (!IsRunning(m)) {
            if (hooks.powerOn) hooks.powerOn(m);
        } else if (hooks.onKeyInterrupt) {
            hooks.onKeyInterrupt(m);
        } else {
            OnKeyInterrupt(m);
        }
    }
    if (key != 0 && key < kSkinEntries) {
        DrawWithImageB(m, static_cast<int>(key));
        if (IsRunning(m)) Latch(m, key);
    }
    if (key == kKeyOff && IsRunning(m) && hooks.offKey) hooks.offKey(m);
}

void KeyRelease(uint32_t& currentKey, LH5801* m) {
    if (currentKey == 0) return;
    if (currentKey < kSkinEntries) DrawWithImageA(m, static_cast<int>(currentKey));
    currentKey = 0;
    std::lock_guard<std::mutex> lock(HostOf(m).keyboardLock);
    SetToucheLue(m, 0);
    std::memset(m->ScanClavier, 0xFF, sizeof m->ScanClavier);
}

void KeyLatchClear(LH5801* m) {
    std::lock_guard<std::mutex> lock(HostOf(m).keyboardLock);
    SetToucheLue(m, -1);
    std::memset(m->ScanClavier, 0xFF, sizeof m->ScanClavier);
}

uint32_t PcKeyIndex(int virtualKeyCode) {
    if (virtualKeyCode < 8 || virtualKeyCode > 163) return 0;
    return kPcKeyTable[static_cast<size_t>(virtualKeyCode)];
}
