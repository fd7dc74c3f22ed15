#include "machine/display.h"

#include <atomic>

#include "host/surface.h"

namespace {

// How display memory drives each annunciator flag (the flags and their skin
// entries are in cpu/record.h).
struct Annunciator {
    uint8_t byte;   // offset of its display byte in block 1 (764E or 764F)
    uint8_t mask;   // the bit that drives it
    const char* snapshotName;  // as the trace's display picture writes it
};

// In flag order, which is also the drawing order of each byte's group.
constexpr Annunciator kAnnunciators[kAnnunciatorFlags] = {
    {kAnnunciatorByte1, 0x01, "Busy"},     {kAnnunciatorByte1, 0x02, " Shift"},
    {kAnnunciatorByte1, 0x04, " Japanese"}, {kAnnunciatorByte1, 0x08, " Small"},
    {kAnnunciatorByte1, 0x10, " III"},     {kAnnunciatorByte1, 0x20, " II"},
    {kAnnunciatorByte1, 0x40, " I"},       {kAnnunciatorByte1, 0x80, " Def"},
    {kAnnunciatorByte2, 0x01, " De"},      {kAnnunciatorByte2, 0x02, "G"},
    {kAnnunciatorByte2, 0x04, " Rad "},    {kAnnunciatorByte2, 0x10, " Reserve "},
    {kAnnunciatorByte2, 0x20, " Pro "},    {kAnnunciatorByte2, 0x40, " Run "},
};
constexpr int kFirstFlagOfByte2 = kFlagDe;

int EntryOf(int flag) { return kAnnunciatorFlagFacts[flag].entry; }

uint32_t* Flags(LH5801* m) { return &m->Busy; }
const uint32_t* Flags(const LH5801* m) { return &m->Busy; }

// Both threads draw and switch current images without a lock: every field
// they share is a single aligned word.
void Store(uint32_t& field, uint32_t value) {
    std::atomic_ref<uint32_t>(field).store(value, std::memory_order_relaxed);
}
uint32_t Load(const uint32_t& field) {
    return std::atomic_ref<const uint32_t>(field).load(std::memory_order_relaxed);
}

void Copy(const SkinEntry& e, uint32_t image) { SurfaceCopyImage(image, e.x, e.y, e.width, e.height); }

// --- Dots -------------------------------------------------------------

const SkinEntry& DotEntry(const LH5801* m) {
    const uint32_t size = Load(m->PixelSize);
    return m->Skin[size == kSkinDotsSmall ? kSkinDotsSmall : kSkinDotsFull];
}

void DrawDot(const LH5801* m, const SkinEntry& dots, int row, int column, bool dark) {
    SurfaceCopyImage(dark ? dots.imageB : dots.imageA, m->LcdOriginX + 3 * column, m->LcdOriginY + 3 * row, 3, 3);
}

// A nibble of display memory: rows 1-4 (even byte) or 5-7 (odd byte) of one
// column. Each dot word takes its masked bit of the byte (1 ... 128); the dots
// are drawn if asked.
void SetNibble(LH5801* m, int column, bool lowerRows, uint8_t value, int shift, bool draw) {
    const int firstRow = lowerRows ? 5 : 1;
    const int rows = lowerRows ? 3 : 4;
    const SkinEntry& dots = DotEntry(m);
    for (int k = 0; k < rows; ++k) {
        const uint32_t word = value & (1u << (shift + k));
        Store(m->Dots[firstRow + k][column], word);
        if (draw) DrawDot(m, dots, firstRow + k, column, word != 0);
    }
}

// The two nibbles of display byte i of a block whose low nibbles are columns
// `lowBase` + i / 2 and high nibbles `lowBase` + 78 + i / 2.
void SetByte(LH5801* m, int i, int lowBase, uint8_t value, uint8_t changed, bool draw) {
    const bool lowerRows = i & 1;
    if (changed & 0x0F) SetNibble(m, lowBase + i / 2, lowerRows, value, 0, draw);
    if (changed & 0xF0) SetNibble(m, lowBase + 78 + i / 2, lowerRows, value, 4, draw);
}

// Steps 4 and 6 of the refresh: the changed nibbles of one block drawn, then
// the block taken into BufferVideo.
void RefreshBlock(LH5801* m, uint16_t address, int bytes, int copyOffset, int lowBase) {
    const uint8_t* memory = &m->ME0[address];
    uint8_t* copy = &m->BufferVideo[copyOffset];
    for (int i = 0; i < kDisplayBlock2Bytes; ++i) {
        const uint8_t changed = memory[i] ^ copy[i];
        if (changed) SetByte(m, i, lowBase, memory[i], changed, true);
    }
    std::memcpy(copy, memory, static_cast<size_t>(bytes));
}

// --- Annunciators -------------------------------------------------------

void SetFlag(LH5801* m, int flag) {
    const Annunciator& a = kAnnunciators[flag];
    Store(Flags(m)[flag], m->ME0[kDisplayBlock1 + a.byte] & a.mask);
}

void DrawFlag(LH5801* m, int flag) {
    const int entry = EntryOf(flag);
    if (Load(Flags(m)[flag])) DrawWithImageA(m, entry);
    else DrawWithImageB(m, entry);
}

// Steps 2 and 3 of the refresh: the flags of one annunciator byte set and
// drawn, all of 7600-764F taken into BufferVideo.
void RefreshAnnunciators(LH5801* m, int first, int last) {
    for (int f = first; f < last; ++f) SetFlag(m, f);
    std::memcpy(m->BufferVideo, &m->ME0[kDisplayBlock1], kDisplayBlock1Bytes);
    for (int f = first; f < last; ++f) DrawFlag(m, f);
}

void SetCurrentImage(LH5801* m, int entry, bool imageA) {
    SkinEntry& e = m->Skin[entry];
    Store(e.currentImage, imageA ? e.imageA : e.imageB);
}

}  // namespace

int DisplayRefreshChanged(LH5801* m) {
    const uint8_t* block1 = &m->ME0[kDisplayBlock1];
    int result = 0;
    if (!SameBytes(block1, m->BufferVideo, kDisplayBlock1Bytes)) {
        result = 1;
        if (block1[kAnnunciatorByte1] != m->BufferVideo[kAnnunciatorByte1]) {
            RefreshAnnunciators(m, kFlagBusy, kFirstFlagOfByte2);
            return 1;
        }
        if (block1[kAnnunciatorByte2] != m->BufferVideo[kAnnunciatorByte2]) {
            RefreshAnnunciators(m, kFirstFlagOfByte2, kAnnunciatorFlags);
            return 1;
        }
        RefreshBlock(m, kDisplayBlock1, kDisplayBlock1Bytes, 0, 0);
    }
    if (SameBytes(&m->ME0[kDisplayBlock2], &m->BufferVideo[kDisplayBlock1Bytes], kDisplayBlock2Bytes)) return result;
    RefreshBlock(m, kDisplayBlock2, kDisplayBlock2Bytes, kDisplayBlock1Bytes, 39);
    return 1;
}

void DisplayRebuild(LH5801* m) {
    for (int f = 0; f < kAnnunciatorFlags; ++f) {
        SetFlag(m, f);
        SetCurrentImage(m, EntryOf(f), Load(Flags(m)[f]) != 0);
    }
    for (int i = 0; i < kDisplayBlock2Bytes; ++i) {
        SetByte(m, i, 0, m->ME0[kDisplayBlock1 + i], 0xFF, false);
        SetByte(m, i, 39, m->ME0[kDisplayBlock2 + i], 0xFF, false);
    }
}

void DrawWithImageA(LH5801* m, int entry) {
    SetCurrentImage(m, entry, true);
    DrawCurrentImage(m, entry);
}

void DrawWithImageB(LH5801* m, int entry) {
    SetCurrentImage(m, entry, false);
    DrawCurrentImage(m, entry);
}

void DrawCurrentImage(LH5801* m, int entry) {
    SkinEntry& e = m->Skin[entry];
    Store(e.dirty, 0);
    Copy(e, Load(e.currentImage));
}

void DisplayRedrawDots(LH5801* m) {
    const SkinEntry& dots = DotEntry(m);
    for (int column = 0; column < kDisplayColumns; ++column)
        for (int row = 1; row < kDisplayRows; ++row) DrawDot(m, dots, row, column, Load(m->Dots[row][column]) != 0);
}

void DisplayDrawDotsUnlit(LH5801* m) {
    const SkinEntry& dots = DotEntry(m);
    for (int column = 0; column < kDisplayColumns; ++column)
        for (int row = 1; row < kDisplayRows; ++row) DrawDot(m, dots, row, column, false);
}

void DisplayBlank(LH5801* m) {
    for (int row = 1; row < kDisplayRows; ++row)
        for (int column = 0; column < kDisplayColumns; ++column) Store(m->Dots[row][column], 0);
    DisplayDrawDotsUnlit(m);
}

std::string DisplaySnapshot(const LH5801* m) {
    std::string text;
    text.reserve((kDisplayColumns + 1) * 7 + 80);
    for (int row = 1; row < kDisplayRows; ++row) {
        for (int column = 0; column < kDisplayColumns; ++column) text += Load(m->Dots[row][column]) ? '#' : '.';
        text += '\n';
    }
    for (int f = 0; f < kAnnunciatorFlags; ++f)
        if (Load(Flags(m)[f])) text += kAnnunciators[f].snapshotName;
    text += '\n';
    return text;
}
