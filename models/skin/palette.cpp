#include "models/skin/palette.h"

namespace {

constexpr Palette kCharcoal = {
    .body = 0x2B2D31,
    .bodyShade = 0x232528,
    .band = 0x4A4E54,
    .bandLow = 0x3A3D42,
    .surround = 0x17181A,
    .well = 0x16171A,
    .bevelLight = 0x484B51,
    .bevelDark = 0x141517,
    .caption = 0xD9DCE0,
    .subCaption = 0x9DA2A8,
    .shifted = 0xE08A3C,
    .groupLine = 0x7FB2E0,
    .padPanel = 0x33363B,
    .keys = {
        {0x45484D, 0xF4F4F2},  // Character
        {0x5D6573, 0xF4F4F2},  // Function
        {0xB8403A, 0xFFF4F0},  // Red
        {0x3F6FA0, 0xFFFFFF},  // Enter
        {0x6C7077, 0xFFFFFF},  // Arithmetic
        {0x8C9096, 0x1A1B1D},  // Off
    },
};

constexpr Palette kSilver = {
    .body = 0xB9BCC0,
    .bodyShade = 0xA7AAAF,
    .band = 0xB9BCC0,
    .bandLow = 0xB9BCC0,
    .surround = 0x2F3236,
    .well = 0x6E7176,
    .bevelLight = 0xE4E6E9,
    .bevelDark = 0x7C7F84,
    .caption = 0x2F3236,
    .subCaption = 0x55595F,
    .shifted = 0xB4561A,
    .groupLine = 0x2E5E8E,
    .padPanel = 0xA9ACB1,
    .keys = {
        {0x3A3D42, 0xF4F4F2},  // Character
        {0x4F6A86, 0xF4F4F2},  // Function
        {0xB8403A, 0xFFF4F0},  // Red
        {0x2F7D74, 0xFFFFFF},  // Enter
        {0xD8DADD, 0x1E1F22},  // Arithmetic
        {0xEDEEEF, 0x1E1F22},  // Off
    },
};

}  // namespace

const Palette& PaletteOf(CaseLook look) { return look == CaseLook::Silver ? kSilver : kCharcoal; }

KeyGroup KeyGroupOf(int index) {
    switch (index) {
        case 1: case 2: case 3: case 4: case 5: case 6: case 7: case 8:  // DEF, F1-F6, SHIFT
        case 39: case 54: case 56:                                       // MODE, SML, RCL
        case 53: case 55: case 58: case 59: case 65:                     // arrows
            return KeyGroup::Function;
        case 10: case 25: return KeyGroup::Red;       // ON, CL
        case 60: case 66: return KeyGroup::Enter;     // ENTER, ENT
        case 24: case 38: case 52: case 63: case 64:  // / * - = +
            return KeyGroup::Arithmetic;
        case 9: return KeyGroup::Off;
        default: return KeyGroup::Character;
    }
}
