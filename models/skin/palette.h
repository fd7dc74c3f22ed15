// Colours of the two case families and of the key groups.
#pragma once

#include "models/skin/canvas.h"
#include "models/tables.h"

constexpr Rgb kLcdBackground = 0xA7B39C;  // also the unlit dot and annunciator
constexpr Rgb kLcdInk = 0x1E2420;

enum class KeyGroup { Character, Function, Red, Enter, Arithmetic, Off };

struct KeyColours {
    Rgb face;
    Rgb legend;
};

struct Palette {
    Rgb body;
    Rgb bodyShade;      // lower edge of the body gradient
    Rgb band, bandLow;  // the band behind the display (charcoal family)
    Rgb surround;       // the frame of the display window
    Rgb well;           // inside a key well, seen around a key
    Rgb bevelLight, bevelDark;
    Rgb caption, subCaption;
    Rgb shifted;    // the shifted-function labels above keys
    Rgb groupLine;  // captions and brackets of key groups
    Rgb padPanel;   // the panel behind the numeric keys
    KeyColours keys[6];  // by KeyGroup
};

const Palette& PaletteOf(CaseLook look);

// The colour group of key `index`.
KeyGroup KeyGroupOf(int index);
