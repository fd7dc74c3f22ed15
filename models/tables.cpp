#include "models/tables.h"

#include <cctype>

namespace {

// A keyboard-matrix point: the strobe line (one bit of 01-80) and the column
// bit it pulls low. Strobe 0 means no point (the ON key).
struct MatrixPoint {
    uint8_t strobe = 0;
    uint8_t bit = 0;
};

// One key as ZelkorA has it; the other models derive from these rows.
struct KeyRow {
    int index;
    KeyText text;
    MatrixPoint point;
    MatrixPoint secondPoint;  // the + key is wired to two points
    int x, y, width;
};

constexpr int kTopRowHeight = 20;  // keys 1-10
constexpr int kKeyHeight = 25;
constexpr int kKeyWidth = 36;
constexpr int kCaseWidth = 864, kCaseHeight = 383;

constexpr char kLeft[] = {kGlyphLeft, 0}, kRight[] = {kGlyphRight, 0}, kUp[] = {kGlyphUp, 0},
               kDown[] = {kGlyphDown, 0}, kUpDown[] = {kGlyphUpDown, 0}, kKana[] = {kGlyphKa, kGlyphNa, 0};

constexpr KeyRow kKeyRows[] = {
    {1, {"DEF", "DEF", ""}, {0x40, 4}, {}, 36, 153, 36},
    {2, {"F1", "F1", ""}, {0x02, 4}, {}, 148, 153, 36},
    {3, {"F2", "F2", ""}, {0x10, 4}, {}, 220, 153, 36},
    {4, {"F3", "F3", ""}, {0x20, 4}, {}, 292, 153, 36},
    {5, {"F4", "F4", ""}, {0x80, 4}, {}, 364, 153, 36},
    {6, {"F5", "F5", ""}, {0x04, 4}, {}, 436, 153, 36},
    {7, {"F6", "F6", ""}, {0x08, 4}, {}, 508, 153, 36},
    {8, {"SHIFT", "SHIFT", ""}, {0x01, 4}, {}, 630, 153, 36},
    {9, {"OFF", "OFF", ""}, {0x02, 2}, {}, 738, 153, 36},
    {10, {"ON", "ON", "BREAK"}, {}, {}, 792, 153, 36},
    {11, {"Q", "Q", ""}, {0x40, 5}, {}, 36, 201, 36},
    {12, {"W", "W", ""}, {0x02, 5}, {}, 90, 201, 36},
    {13, {"E", "E", ""}, {0x10, 5}, {}, 144, 201, 36},
    {14, {"R", "R", ""}, {0x20, 5}, {}, 198, 201, 36},
    {15, {"T", "T", ""}, {0x80, 5}, {}, 252, 201, 36},
    {16, {"Y", "Y", ""}, {0x01, 5}, {}, 306, 201, 36},
    {17, {"U", "U", ""}, {0x04, 5}, {}, 360, 201, 36},
    {18, {"I", "I", ""}, {0x08, 5}, {}, 414, 201, 36},
    {19, {"O", "O", ""}, {0x08, 2}, {}, 468, 201, 36},
    {20, {"P", "P", ""}, {0x20, 2}, {}, 522, 201, 36},
    {21, {"7", "7", ""}, {0x04, 2}, {}, 576, 201, 36},
    {22, {"8", "8", ""}, {0x01, 2}, {}, 630, 201, 36},
    {23, {"9", "9", ""}, {0x80, 2}, {}, 684, 201, 36},
    {24, {"/", "/", ""}, {0x10, 2}, {}, 738, 201, 36},
    {25, {"CL", "CL", "CA"}, {0x40, 2}, {}, 792, 201, 36},
    {26, {"A", "A", ""}, {0x40, 3}, {}, 50, 244, 36},
    {27, {"S", "S", ""}, {0x02, 3}, {}, 104, 244, 36},
    {28, {"D", "D", ""}, {0x10, 3}, {}, 158, 244, 36},
    {29, {"F", "F", ""}, {0x20, 3}, {}, 212, 244, 36},
    {30, {"G", "G", ""}, {0x80, 3}, {}, 266, 244, 36},
    {31, {"H", "H", ""}, {0x01, 3}, {}, 320, 244, 36},
    {32, {"J", "J", ""}, {0x04, 3}, {}, 374, 244, 36},
    {33, {"K", "K", ""}, {0x08, 3}, {}, 428, 244, 36},
    {34, {"L", "L", ""}, {0x08, 1}, {}, 482, 244, 36},
    {35, {"4", "4", ""}, {0x04, 1}, {}, 576, 244, 36},
    {36, {"5", "5", ""}, {0x01, 1}, {}, 630, 244, 36},
    {37, {"6", "6", ""}, {0x80, 1}, {}, 684, 244, 36},
    {38, {"*", "*", ""}, {0x10, 1}, {}, 738, 244, 36},
    {39, {"MODE", "MODE", ""}, {0x40, 1}, {}, 792, 244, 36},
    {40, {"Z", "Z", ""}, {0x40, 6}, {}, 77, 287, 36},
    {41, {"X", "X", ""}, {0x02, 6}, {}, 131, 287, 36},
    {42, {"C", "C", ""}, {0x10, 6}, {}, 185, 287, 36},
    {43, {"V", "V", ""}, {0x20, 6}, {}, 239, 287, 36},
    {44, {"B", "B", ""}, {0x80, 6}, {}, 293, 287, 36},
    {45, {"N", "N", ""}, {0x01, 6}, {}, 347, 287, 36},
    {46, {"M", "M", ""}, {0x04, 6}, {}, 401, 287, 36},
    {47, {"(", "(", ""}, {0x08, 6}, {}, 455, 287, 36},
    {48, {")", ")", ""}, {0x08, 0}, {}, 509, 287, 36},
    {49, {"1", "1", ""}, {0x04, 0}, {}, 576, 287, 36},
    {50, {"2", "2", ""}, {0x01, 0}, {}, 630, 287, 36},
    {51, {"3", "3", ""}, {0x80, 0}, {}, 684, 287, 36},
    {52, {"-", "-", ""}, {0x02, 1}, {}, 738, 287, 36},
    {53, {"LEFT", kLeft, "DEL"}, {0x20, 1}, {}, 792, 287, 36},
    {54, {"SML", "SML", ""}, {0x40, 7}, {}, 77, 330, 36},
    {55, {"UPDOWN", kUpDown, ""}, {0x02, 7}, {}, 131, 330, 36},
    {56, {"RCL", "RCL", ""}, {0x10, 7}, {}, 185, 330, 36},
    {57, {"SPACE", "SPACE", ""}, {0x20, 7}, {}, 239, 330, 90},
    {58, {"DOWN", kDown, ""}, {0x80, 7}, {}, 347, 330, 36},
    {59, {"UP", kUp, ""}, {0x01, 7}, {}, 401, 330, 36},
    {60, {"ENTER", "ENTER", ""}, {0x08, 7}, {}, 455, 330, 90},
    {61, {"0", "0", ""}, {0x04, 7}, {}, 576, 330, 36},
    {62, {".", ".", ""}, {0x02, 0}, {}, 630, 330, 36},
    {63, {"=", "=", ""}, {0x20, 0}, {}, 684, 330, 36},
    {64, {"+", "+", ""}, {0x10, 0}, {0x40, 0}, 738, 330, 36},
    {65, {"RIGHT", kRight, "INS"}, {0x40, 0}, {}, 792, 330, 36},
    // A second entry over ENTER, on ENTER's point; never hit-tested here.
    {66, {"", "ENTER", ""}, {0x08, 7}, {}, 455, 330, 90},
};
static_assert(std::size(kKeyRows) == kModelKeys);

// Kavro: every key at its own place, same wiring and images.
struct KeyPlace {
    int index, x, y, width;
};
constexpr int kKavroWide = 89;
constexpr KeyPlace kKavroPlaces[] = {
    {9, 60, 158, 36}, {10, 131, 158, 36}, {1, 202, 158, 36}, {2, 273, 158, 36},
    {3, 344, 158, 36}, {4, 415, 158, 36}, {5, 486, 158, 36}, {6, 557, 158, 36},
    {7, 628, 158, 36}, {8, 783, 158, 36},
    {11, 41, 205, 36}, {12, 94, 205, 36}, {13, 147, 205, 36}, {14, 200, 205, 36},
    {15, 253, 205, 36}, {16, 306, 205, 36}, {17, 359, 205, 36}, {18, 412, 205, 36},
    {19, 465, 205, 36}, {20, 518, 205, 36}, {21, 571, 205, 36}, {22, 624, 205, 36},
    {23, 677, 205, 36}, {24, 730, 205, 36}, {25, 783, 205, 36},
    {26, 41, 248, 36}, {27, 94, 248, 36}, {28, 147, 248, 36}, {29, 200, 248, 36},
    {30, 253, 248, 36}, {31, 306, 248, 36}, {32, 359, 248, 36}, {33, 412, 248, 36},
    {34, 465, 248, 36}, {63, 518, 248, 36}, {35, 571, 248, 36}, {36, 624, 248, 36},
    {37, 677, 248, 36}, {38, 730, 248, 36}, {39, 783, 248, 36},
    {40, 41, 291, 36}, {41, 94, 291, 36}, {42, 147, 291, 36}, {43, 200, 291, 36},
    {44, 253, 291, 36}, {45, 306, 291, 36}, {46, 359, 291, 36}, {47, 412, 291, 36},
    {48, 465, 291, 36}, {59, 518, 291, 36}, {49, 571, 291, 36}, {50, 624, 291, 36},
    {51, 677, 291, 36}, {52, 730, 291, 36},
    {54, 41, 334, 36}, {55, 94, 334, 36}, {56, 147, 334, 36}, {57, 200, 334, kKavroWide},
    {60, 306, 334, kKavroWide}, {53, 412, 334, 36}, {65, 465, 334, 36}, {58, 518, 334, 36},
    {61, 571, 334, 36}, {62, 624, 334, 36}, {66, 677, 334, 36}, {64, 730, 334, 36},
};
static_assert(std::size(kKavroPlaces) == kModelKeys);

struct AnnunciatorPlace {
    int x, width, imageWidth;
};
constexpr int kAnnunciatorY = 66, kAnnunciatorHeight = 7;
constexpr AnnunciatorPlace kAnnunciatorPlaces[kAnnunciatorCount] = {
    {125, 23, 23}, {168, 25, 25}, {206, 11, 11}, {228, 29, 29}, {289, 11, 11},
    {301, 6, 5},  // G: the entry is one pixel wider than its image
    {307, 17, 17}, {361, 17, 17}, {394, 17, 17}, {432, 41, 41}, {494, 17, 17},
    {531, 3, 3}, {536, 5, 5}, {543, 7, 7}, {585, 4, 4},
};

// Printed on each annunciator's lit image, in the flag order of the record.
constexpr std::string_view kAnnunciatorLegends[kAnnunciatorFlags] = {
    "BUSY", "SHIFT", kKana, "SMALL", "III", "II", "I", "DEF", "DE", "G", "RAD", "RESERVE", "PRO", "RUN",
};

// By entry: each flag's legend and name at the entry the record gives it; the
// power dot has neither.
constexpr std::array<AnnunciatorText, kAnnunciatorCount> BuildAnnunciatorTexts() {
    std::array<AnnunciatorText, kAnnunciatorCount> texts{};
    for (int f = 0; f < kAnnunciatorFlags; ++f)
        texts[kAnnunciatorFlagFacts[f].entry - kSkinFirstAnnunciator] = {kAnnunciatorLegends[f],
                                                                          kAnnunciatorFlagFacts[f].name};
    return texts;
}
constexpr std::array<AnnunciatorText, kAnnunciatorCount> kAnnunciatorTexts = BuildAnnunciatorTexts();

// Dot images: the 156 x 7 grid of 3-pixel cells, the same in every model.
constexpr EntryTable kDotGrid = {122, 76, 468, 21, 3, 3};

constexpr void Wire(EntryTable& entry, MatrixPoint point) {
    if (point.strobe == 0) return;
    entry.scanAll |= static_cast<uint8_t>(1u << point.bit);
    for (int line = 0; line < 8; ++line)
        if (point.strobe == (1u << line)) entry.scanLines[line] &= static_cast<uint8_t>(~(1u << point.bit));
}

constexpr EntryTable KeyEntry(const KeyRow& row) {
    EntryTable e;
    e.x = row.x;
    e.y = row.y;
    e.width = row.width;
    e.height = row.index <= 10 ? kTopRowHeight : kKeyHeight;
    e.imageWidth = e.width;
    e.imageHeight = e.height;
    e.imageA = static_cast<uint16_t>(row.index);
    e.imageB = static_cast<uint16_t>(100 + row.index);
    Wire(e, row.point);
    Wire(e, row.secondPoint);
    return e;
}

constexpr ModelTables BuildZelkorA() {
    ModelTables t{"ZelkorA", "ZELKOR A", CaseLook::Charcoal, kMachinePC1500A, 122, 75, 1, 65, 256, 3, {}, {}};
    t.entries[0] = {0, 0, kCaseWidth, kCaseHeight, kCaseWidth, kCaseHeight, 200, 200};
    for (const KeyRow& row : kKeyRows) {
        t.entries[row.index] = KeyEntry(row);
        t.keys[row.index] = row.text;
    }
    for (int k = 2; k <= 7; ++k) t.keys[k].legend = "";  // blank function keys
    for (int i = 0; i < kAnnunciatorCount; ++i) {
        const AnnunciatorPlace& p = kAnnunciatorPlaces[i];
        const int entry = kSkinFirstAnnunciator + i;
        t.entries[entry] = {p.x, kAnnunciatorY, p.width, kAnnunciatorHeight, p.imageWidth,
                            kAnnunciatorHeight, static_cast<uint16_t>(entry), static_cast<uint16_t>(100 + entry)};
    }
    t.entries[kSkinDotsSmall] = kDotGrid;
    t.entries[kSkinDotsSmall].imageA = 82;
    t.entries[kSkinDotsSmall].imageB = 182;
    t.entries[kSkinDotsFull] = kDotGrid;
    t.entries[kSkinDotsFull].imageA = 82;
    t.entries[kSkinDotsFull].imageB = 183;
    return t;
}

constexpr ModelTables BuildZelkor() {
    ModelTables t = BuildZelkorA();
    t.library = "Zelkor";
    t.caption = "ZELKOR";
    t.machine = kMachinePC1500;
    t.firstRomId = 252;
    t.entries[0].imageA = t.entries[0].imageB = 201;
    t.entries[66] = EntryTable{};  // no second ENTER: an empty entry
    t.keys[66] = KeyText{};
    return t;
}

constexpr ModelTables BuildKavro() {
    ModelTables t = BuildZelkorA();
    t.library = "Kavro";
    t.caption = "KAVRO";
    t.look = CaseLook::Silver;
    t.machine = kMachinePC2;
    t.lcdOriginX = 237;
    t.lcdOriginY = 81;
    t.lastKey = 66;
    t.firstRomId = 260;
    t.romSlots = 2;
    t.entries[0].imageA = t.entries[0].imageB = 202;
    for (const KeyPlace& place : kKavroPlaces) {
        EntryTable& e = t.entries[place.index];
        e.x = place.x;
        e.y = place.y;
        e.width = e.imageWidth = place.width;
    }
    for (int k = 2; k <= 7; ++k) t.keys[k].legend = kKeyRows[k - 1].text.legend;
    t.keys[66] = {"ENT", "ENT", ""};
    for (int entry = kSkinFirstAnnunciator; entry <= kSkinPowerDot; ++entry) {
        t.entries[entry].x += 115;
        t.entries[entry].y += 6;
    }
    return t;
}

constinit const ModelTables kZelkorA = BuildZelkorA();
constinit const ModelTables kZelkor = BuildZelkor();
constinit const ModelTables kKavro = BuildKavro();

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

const ModelTables& ZelkorATables() { return kZelkorA; }
const ModelTables& ZelkorTables() { return kZelkor; }
const ModelTables& KavroTables() { return kKavro; }

const ModelTables* ModelTablesByLibrary(std::string_view library) {
    for (const ModelTables* t : {&kZelkorA, &kZelkor, &kKavro})
        if (t->library == library) return t;
    return nullptr;
}

int KeyIndexByName(const ModelTables& model, std::string_view name) {
    if (name.empty()) return 0;
    for (int k = 1; k <= kModelKeys; ++k)
        if (SameIgnoringCase(model.keys[k].name, name)) return k;
    return 0;
}

const std::array<AnnunciatorText, kAnnunciatorCount>& AnnunciatorTexts() { return kAnnunciatorTexts; }

int RomSlotFor(const ModelTables& model, uint32_t romId) {
    const uint32_t first = static_cast<uint32_t>(model.firstRomId);
    if (romId >= first && romId - first < static_cast<uint32_t>(model.romSlots)) return static_cast<int>(romId - first) + 1;
    return model.romSlots;
}

int KeyAt(const ModelTables& model, uint32_t position) {
    const uint32_t px = position & 0xFFFF, py = position >> 16;
    for (int k = model.firstKey; k <= model.lastKey; ++k) {
        const EntryTable& e = model.entries[k];
        if (e.width < 2 || e.height < 2) continue;
        const uint32_t x = static_cast<uint32_t>(e.x), y = static_cast<uint32_t>(e.y);
        if (px >= x && px <= x + e.width - 2 && py >= y && py <= y + e.height - 2) return k;
    }
    return 0;
}
