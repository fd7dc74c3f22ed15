// Where everything sits on Sifter's face, in window pixels. The artwork
// generator draws the body, the display glass and the key wells from these
// rectangles, and the form places its labels, inputs and grids on them, so the
// two always agree.
#pragma once

namespace face {

struct Box {
    int x, y, width, height;
    constexpr int right() const { return x + width - 1; }
    constexpr int bottom() const { return y + height - 1; }
};

constexpr int kWidth = 755, kHeight = 464;

// The display: a bezel around the glass; the glass holds the dark strip on
// top (mode indicators and busy mark) and the panel area below it.
constexpr Box kBezel{10, 12, 556, 364};
constexpr Box kGlass{16, 18, 544, 352};
constexpr Box kStrip{16, 18, 544, 18};
constexpr Box kPanels{16, 36, 544, 334};

// Places of the indicators inside the strip, relative to the strip.
constexpr Box kIndicatorCpu{8, 1, 40, 16};
constexpr Box kIndicatorRom{56, 1, 40, 16};
constexpr Box kIndicatorAddress{104, 1, 64, 16};
constexpr Box kBusyMark{496, 1, 40, 16};

// The switch keys at the top right.
constexpr Box kOn{578, 24, 38, 22};
constexpr Box kOff{620, 24, 38, 22};
constexpr Box kClear{662, 24, 38, 22};
constexpr Box kMode{704, 24, 38, 22};

// Load and Save as, each a caption over two keys.
constexpr Box kLoadCaption{578, 62, 164, 13};
constexpr Box kLoadRom{578, 77, 80, 22};
constexpr Box kLoadSource{662, 77, 80, 22};
constexpr Box kSaveCaption{578, 112, 164, 13};
constexpr Box kSaveSource{578, 127, 80, 22};
constexpr Box kSaveText{662, 127, 80, 22};

// The plate below the commands that carries the name.
constexpr Box kNamePlate{578, 170, 164, 206};

// The bottom row: search fields, range fields and the two GO keys, each
// with its caption above it.
constexpr int kRowCaptionY = 388, kRowCaptionHeight = 13;
constexpr int kRowFieldY = 403, kRowFieldHeight = 22;
constexpr Box kLabelInput{18, kRowFieldY, 100, kRowFieldHeight};
constexpr Box kAddrInput{128, kRowFieldY, 56, kRowFieldHeight};
constexpr Box kFromInput{226, kRowFieldY, 56, kRowFieldHeight};
constexpr Box kToInput{292, kRowFieldY, 56, kRowFieldHeight};
constexpr Box kGoKey{372, kRowFieldY, 56, kRowFieldHeight};
constexpr Box kPurgeKey{438, kRowFieldY, 56, kRowFieldHeight};

// The caption above a field of the bottom row.
constexpr Box CaptionAbove(Box field) { return {field.x, kRowCaptionY, field.width, kRowCaptionHeight}; }

}  // namespace face
