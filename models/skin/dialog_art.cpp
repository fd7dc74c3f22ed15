// The two dialog pictures of the emulator: the about picture and the PC
// keyboard with the emulated key each PC key presses, in the look of the
// charcoal case.
#include <algorithm>
#include <string>

#include "models/skin/art.h"
#include "models/skin/palette.h"

namespace {

const Palette& Look() { return PaletteOf(CaseLook::Charcoal); }

// ---- About -----------------------------------------------------------------

constexpr int kAboutWidth = 505, kAboutHeight = 318;

// A small LCD showing `text` in dots of 2 x 2 pixels.
void DrawMiniLcd(Canvas& c, Rect glass, std::string_view text) {
    const Palette& p = Look();
    c.FillRounded(glass.Grown(6), 2, p.surround);
    c.Bevel(glass.Grown(6), p.bevelLight, p.bevelDark);
    c.FillRect(glass, kLcdBackground);
    Canvas dots(glass.width / 3, 7, 0);
    dots.TextCentred({0, 0, dots.width(), 7}, text, 1);
    const int left = glass.x + (glass.width - 3 * dots.width()) / 2, top = glass.y + (glass.height - 21) / 2;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < dots.width(); ++x)
            if (dots.At(x, y)) c.FillRect({left + 3 * x, top + 3 * y, 2, 2}, kLcdInk);
}

// A row of small keys as on the case, for the picture's lower edge.
void DrawKeyRow(Canvas& c, int y, std::string_view legends) {
    const Palette& p = Look();
    const int keyWidth = 30, gap = 8;
    const int count = static_cast<int>(legends.size());
    int x = (kAboutWidth - count * keyWidth - (count - 1) * gap) / 2;
    for (int i = 0; i < count; ++i, x += keyWidth + gap) {
        const Rect key{x, y, keyWidth, 18};
        c.FillRounded(key.Grown(2), 2, p.well);
        const KeyColours k = p.keys[i == count - 1 ? static_cast<int>(KeyGroup::Red) : static_cast<int>(KeyGroup::Character)];
        c.RoundedGradient({key.x, key.y, key.width, key.height - 2}, 3, Lighter(k.face, 30), Darker(k.face, 22));
        c.FillRect({key.x + 2, key.y, key.width - 4, 1}, Lighter(k.face, 100));
        c.TextCentred({key.x, key.y, key.width, key.height - 2}, legends.substr(static_cast<size_t>(i), 1), k.legend);
    }
}

}  // namespace

Canvas DrawAboutPicture() {
    const Palette& p = Look();
    Canvas c(kAboutWidth, kAboutHeight, p.body);
    c.VerticalGradient({0, 0, kAboutWidth, kAboutHeight}, p.body, p.bodyShade);
    c.Brush({0, 0, kAboutWidth, kAboutHeight}, 4, 0xAB07);
    const Rect band{0, 22, kAboutWidth, 96};
    c.VerticalGradient(band, p.band, p.bandLow);
    c.Brush(band, 8, 0xB4ED);
    c.FillRect({0, band.y, kAboutWidth, 1}, Lighter(p.band, 50));
    c.FillRect({0, band.bottom(), kAboutWidth, 1}, Darker(p.bandLow, 120));
    DrawMiniLcd(c, {40, 48, 425, 44}, "ZELKOR A  READY");

    const TextStyle name{.scale = 3, .bold = true, .tracking = 4};
    c.TextCentred({0, 136, kAboutWidth, TextPixelHeight(name)}, "ZELKOR A", p.caption, name);
    const int ruleWidth = TextPixelWidth("ZELKOR A", name);
    c.FillRect({(kAboutWidth - ruleWidth) / 2, 164, ruleWidth, 1}, p.shifted);
    c.FillRect({(kAboutWidth - ruleWidth) / 2, 166, ruleWidth, 1}, p.groupLine);

    const TextStyle line{.tracking = 1};
    const std::string_view lines[] = {
        "EMULATEUR  BETA VERSION 0.30",
        "LH5801 A 1,3 MHZ   ECRAN 156 X 7 POINTS",
        "MODELES : ZELKOR, ZELKOR A, KAVRO",
    };
    int y = 182;
    for (std::string_view text : lines) {
        c.TextCentred({0, y, kAboutWidth, 7}, text, text == lines[0] ? p.caption : p.subCaption, line);
        y += 16;
    }
    DrawKeyRow(c, 262, "ZELKORA");
    c.Bevel({0, 0, kAboutWidth, kAboutHeight}, Lighter(p.body, 60), Darker(p.body, 90));
    return c;
}

// ---- Keyboard assignment ---------------------------------------------------

namespace {

constexpr int kKeyboardWidth = 608, kKeyboardHeight = 143;
constexpr int kUnit = 25;         // pixels per key unit
constexpr int kRowPitch = 21;     // pixels per key row
constexpr int kLeft = 16, kTop = 8, kFunctionGap = 4;

// One PC key: its place in units (x, row), its size and the virtual-key code.
struct PcKeyCap {
    int x4, row, width4, rows;  // x and width in quarter units
    std::string_view legend;
    int code;  // host virtual-key code; 0 = none
};

// A 105-key layout: the main block, the navigation block, the keypad.
constexpr PcKeyCap kPcKeys[] = {
    {0, 0, 4, 1, "ESC", 27},
    {8, 0, 4, 1, "F1", 112}, {12, 0, 4, 1, "F2", 113}, {16, 0, 4, 1, "F3", 114}, {20, 0, 4, 1, "F4", 115},
    {26, 0, 4, 1, "F5", 116}, {30, 0, 4, 1, "F6", 117}, {34, 0, 4, 1, "F7", 118}, {38, 0, 4, 1, "F8", 119},
    {44, 0, 4, 1, "F9", 120}, {48, 0, 4, 1, "F10", 121}, {52, 0, 4, 1, "F11", 122}, {56, 0, 4, 1, "F12", 123},
    {62, 0, 4, 1, "PRT", 44}, {66, 0, 4, 1, "SCR", 145}, {70, 0, 4, 1, "PSE", 19},

    {0, 1, 4, 1, "", 192}, {4, 1, 4, 1, "1", 49}, {8, 1, 4, 1, "2", 50}, {12, 1, 4, 1, "3", 51},
    {16, 1, 4, 1, "4", 52}, {20, 1, 4, 1, "5", 53}, {24, 1, 4, 1, "6", 54}, {28, 1, 4, 1, "7", 55},
    {32, 1, 4, 1, "8", 56}, {36, 1, 4, 1, "9", 57}, {40, 1, 4, 1, "0", 48}, {44, 1, 4, 1, "-", 189},
    {48, 1, 4, 1, "=", 187}, {52, 1, 8, 1, "BKSP", 8},
    {0, 2, 6, 1, "TAB", 9}, {6, 2, 4, 1, "Q", 81}, {10, 2, 4, 1, "W", 87}, {14, 2, 4, 1, "E", 69},
    {18, 2, 4, 1, "R", 82}, {22, 2, 4, 1, "T", 84}, {26, 2, 4, 1, "Y", 89}, {30, 2, 4, 1, "U", 85},
    {34, 2, 4, 1, "I", 73}, {38, 2, 4, 1, "O", 79}, {42, 2, 4, 1, "P", 80}, {46, 2, 4, 1, "", 219},
    {50, 2, 4, 1, "", 221}, {54, 2, 6, 2, "ENTER", 13},
    {0, 3, 7, 1, "CAPS", 20}, {7, 3, 4, 1, "A", 65}, {11, 3, 4, 1, "S", 83}, {15, 3, 4, 1, "D", 68},
    {19, 3, 4, 1, "F", 70}, {23, 3, 4, 1, "G", 71}, {27, 3, 4, 1, "H", 72}, {31, 3, 4, 1, "J", 74},
    {35, 3, 4, 1, "K", 75}, {39, 3, 4, 1, "L", 76}, {43, 3, 4, 1, "", 186}, {47, 3, 4, 1, "", 222},
    {51, 3, 3, 1, "", 220},
    {0, 4, 9, 1, "SHIFT", 16}, {9, 4, 4, 1, "Z", 90}, {13, 4, 4, 1, "X", 88},
    {17, 4, 4, 1, "C", 67}, {21, 4, 4, 1, "V", 86}, {25, 4, 4, 1, "B", 66}, {29, 4, 4, 1, "N", 78},
    {33, 4, 4, 1, "M", 77}, {37, 4, 4, 1, ",", 188}, {41, 4, 4, 1, ".", 190}, {45, 4, 4, 1, "/", 191},
    {49, 4, 11, 1, "SHIFT", 16},
    {0, 5, 5, 1, "CTRL", 162}, {5, 5, 5, 1, "WIN", 91}, {10, 5, 5, 1, "ALT", 18}, {15, 5, 25, 1, "SPACE", 32},
    {40, 5, 5, 1, "ALT", 18}, {45, 5, 5, 1, "WIN", 92}, {50, 5, 5, 1, "MENU", 93}, {55, 5, 5, 1, "CTRL", 163},

    {62, 1, 4, 1, "INS", 45}, {66, 1, 4, 1, "HOME", 36}, {70, 1, 4, 1, "PGUP", 33},
    {62, 2, 4, 1, "DEL", 46}, {66, 2, 4, 1, "END", 35}, {70, 2, 4, 1, "PGDN", 34},
    {66, 4, 4, 1, "\x03", 38},
    {62, 5, 4, 1, "\x01", 37}, {66, 5, 4, 1, "\x04", 40}, {70, 5, 4, 1, "\x02", 39},

    {76, 1, 4, 1, "NUM", 144}, {80, 1, 4, 1, "/", 111}, {84, 1, 4, 1, "*", 106}, {88, 1, 4, 1, "-", 109},
    {76, 2, 4, 1, "7", 103}, {80, 2, 4, 1, "8", 104}, {84, 2, 4, 1, "9", 105}, {88, 2, 4, 2, "+", 107},
    {76, 3, 4, 1, "4", 100}, {80, 3, 4, 1, "5", 101}, {84, 3, 4, 1, "6", 102},
    {76, 4, 4, 1, "1", 97}, {80, 4, 4, 1, "2", 98}, {84, 4, 4, 1, "3", 99}, {88, 4, 4, 2, "ENTER", 13},
    {76, 5, 8, 1, "0", 96}, {84, 5, 4, 1, ".", 110},
};

int RowY(int row) { return kTop + row * kRowPitch + (row > 0 ? kFunctionGap : 0); }

bool Fits(Rect key, std::string_view text) { return TextPixelWidth(text) <= key.width - 3; }

// Text centred on one line at `y`; a text wider than the key is cut.
void Label(Canvas& c, Rect key, int y, std::string_view text, Rgb ink) {
    while (!Fits(key, text)) text.remove_suffix(1);
    c.TextCentred({key.x, y, key.width, 7}, text, ink);
}

// A one-legend key: centred, on two lines when it is too wide and the key tall.
void CentredLabel(Canvas& c, Rect key, std::string_view text, Rgb ink) {
    if (Fits(key, text) || key.height < 2 * kRowPitch - 4) return Label(c, key, key.y + (key.height - 8) / 2, text, ink);
    const size_t half = (text.size() + 1) / 2;
    const int top = key.y + (key.height - 17) / 2;
    Label(c, key, top, text.substr(0, half), ink);
    Label(c, key, top + 9, text.substr(half), ink);
}

}  // namespace

Canvas DrawKeyboardPicture(const ModelTables& model, uint32_t (*keyOfCode)(int)) {
    const Palette& p = Look();
    Canvas c(kKeyboardWidth, kKeyboardHeight, p.body);
    c.VerticalGradient({0, 0, kKeyboardWidth, kKeyboardHeight}, p.body, p.bodyShade);
    c.Bevel({0, 0, kKeyboardWidth, kKeyboardHeight}, Lighter(p.body, 60), Darker(p.body, 90));
    const Rgb mappedFace = 0x45484D, idleFace = 0x303236;
    for (const PcKeyCap& k : kPcKeys) {
        const Rect key{kLeft + k.x4 * kUnit / 4 + 1, RowY(k.row) + 1, k.width4 * kUnit / 4 - 2,
                       RowY(k.row + k.rows - 1) - RowY(k.row) + kRowPitch - 2};
        const uint32_t index = k.code ? keyOfCode(k.code) : 0;
        const std::string_view emulated = index ? model.keys[index].legend : std::string_view{};
        const Rgb face = index ? mappedFace : idleFace;
        c.FillRounded({key.x, key.y + 1, key.width, key.height - 1}, 2, Darker(face, 150));
        c.RoundedGradient({key.x, key.y, key.width, key.height - 1}, 2, Lighter(face, 24), Darker(face, 16));
        c.FillRect({key.x + 2, key.y, key.width - 4, 1}, Lighter(face, index ? 90 : 40));
        if (!index) {
            CentredLabel(c, key, k.legend, Lighter(face, 70));
        } else if (emulated == k.legend) {
            CentredLabel(c, key, emulated, p.keys[0].legend);
        } else {
            // The PC key's own legend above, the emulated key it presses below.
            const int top = key.y + (key.height - 17) / 2;
            Label(c, key, top, k.legend, 0x9DA2A8);
            Label(c, key, top + 9, emulated, p.shifted);
        }
    }
    return c;
}
