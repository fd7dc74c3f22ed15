// The facts of the three model libraries ("ZelkorA", "Zelkor", "Kavro"), kept
// once: display origin, skin entries 0-83 (geometry, image ids, keyboard-matrix
// wiring), key names and legends, annunciator texts, the keys the hit test
// accepts and the ROM slot rule. The libraries, the skin generator and the
// command line's --key all read them from here.
//
//   const ModelTables* t = ModelTablesByLibrary("Kavro");
//   int k = KeyIndexByName(*t, "enter");  // 60
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "cpu/record.h"  // the skin entry indices, annunciator flags and machine values

constexpr int kModelEntries = kSkinLastLibraryEntry + 1;  // skin entries 0-83; 84 is never filled
constexpr int kModelKeys = kSkinLastKey;                    // key entries 1-66
constexpr int kAnnunciatorCount = kSkinPowerDot - kSkinFirstAnnunciator + 1;  // 67-81, the power dot last
constexpr int kRomSize = 16384;    // one ROM slot: ME0 C000-FFFF
constexpr uint16_t kRomBase = 0xC000;

// Legends are printable ASCII plus these glyph codes, drawn as small pictures.
constexpr char kGlyphLeft = '\x01';
constexpr char kGlyphRight = '\x02';
constexpr char kGlyphUp = '\x03';
constexpr char kGlyphDown = '\x04';
constexpr char kGlyphUpDown = '\x05';
constexpr char kGlyphKa = '\x06';  // katakana ka
constexpr char kGlyphNa = '\x07';  // katakana na

// One skin entry as the library writes it.
struct EntryTable {
    int x = 0, y = 0, width = 0, height = 0;
    int imageWidth = 0, imageHeight = 0;  // size of both images
    uint16_t imageA = 0, imageB = 0;      // image ids; 0 = no image
    uint8_t scanAll = 0;
    std::array<uint8_t, 8> scanLines{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
};

struct KeyText {
    std::string_view name;     // command-line name ("ENTER", "LEFT"); "" = none
    std::string_view legend;   // printed on the key
    std::string_view shifted;  // printed on the case above the key
};

struct AnnunciatorText {
    std::string_view legend;      // printed on the lit image
    std::string_view reportName;  // label of its flag in the machine report; "" for the power dot
};

enum class CaseLook { Charcoal, Silver };

struct ModelTables {
    std::string_view library;  // library name, also the ROM slot file prefix
    std::string_view caption;  // model name printed on the case
    CaseLook look;
    int machine;  // the Machine word of this model (kMachinePC1500 ...)
    int lcdOriginX, lcdOriginY;
    int firstKey, lastKey;  // the keys UneTouche can return
    int firstRomId;  // identifier of slot 1; the next ones follow
    int romSlots;    // any other identifier selects the last slot
    std::array<EntryTable, kModelEntries> entries;
    std::array<KeyText, kModelKeys + 1> keys;  // indexed by entry; [0] unused
};

const ModelTables& ZelkorATables();
const ModelTables& ZelkorTables();
const ModelTables& KavroTables();

// The tables of a library by its exact name, or nullptr.
const ModelTables* ModelTablesByLibrary(std::string_view library);

// The key entry named `name` (case-insensitive), or 0 when unknown.
int KeyIndexByName(const ModelTables& model, std::string_view name);

// Texts of annunciator entry kSkinFirstAnnunciator + i, the same in every model.
const std::array<AnnunciatorText, kAnnunciatorCount>& AnnunciatorTexts();

// The ROM slot (1..romSlots) that a menu identifier selects.
int RomSlotFor(const ModelTables& model, uint32_t romId);

// The accepted key whose hit box holds the point (x in the low 16 bits, y in
// the high 16 bits), or 0. A box is one pixel narrower and shorter than its key.
int KeyAt(const ModelTables& model, uint32_t position);
