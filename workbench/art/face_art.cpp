#include "workbench/art/face_art.h"

#include "workbench/art/face_colours.h"

namespace {

using face::Box;

constexpr Colour kKeyDark = 0x45484D;  // command keys
constexpr Colour kKeyRed = 0xB8403A;   // ON and CLEAR
constexpr Colour kKeyGrey = 0x5F636A;  // OFF and Mode
constexpr Colour kKeyGo = 0x3C6E8F;    // the two GO keys

Box Grown(Box b, int by) { return {b.x - by, b.y - by, b.width + 2 * by, b.height + 2 * by}; }

void DrawBody(Raster& r) {
    const Box all{0, 0, face::kWidth, face::kHeight};
    r.Gradient(all, face::kBody, face::kBodyLow);
    r.Streaks(all, 6, 0x51F7);
    r.Frame(all, Lighten(face::kBody, 60), Darken(face::kBody, 110));
    r.Frame(Grown(all, -1), Lighten(face::kBody, 24), Darken(face::kBody, 50));
}

// The bezel around the glass, the glass itself, and the shadow the bezel
// casts on it.
void DrawDisplay(Raster& r) {
    r.Rounded(Grown(face::kBezel, 1), 3, Darken(face::kBody, 80));
    r.Rounded(face::kBezel, 3, 0x3E4247);
    r.Gradient(Grown(face::kBezel, -2), 0x44484E, 0x393C41);
    r.Frame(Grown(face::kBezel, -1), 0x5A5F66, 0x2A2C30);
    r.Frame(Grown(face::kGlass, 1), 0x1E2023, 0x54585E);
    r.Fill(face::kGlass, face::kGlassColour);
    r.Fill({face::kGlass.x, face::kGlass.y, face::kGlass.width, 1}, Darken(face::kGlassColour, 60));
    r.Fill({face::kGlass.x, face::kGlass.y, 1, face::kGlass.height}, Darken(face::kGlassColour, 60));
    r.Fill({face::kGlass.x + 1, face::kGlass.y + 1, face::kGlass.width - 1, 1}, Darken(face::kGlassColour, 25));
}

// A key: a dark well, a rounded face with a lit top edge and a shadow below.
// The legend is the form's label, drawn on the flat middle of the face.
void DrawKey(Raster& r, Box key, Colour colour) {
    r.Rounded(Grown(key, 1), 3, Darken(face::kBody, 90));
    r.Rounded(key, 2, Darken(colour, 70));
    const Box top{key.x, key.y, key.width, key.height - 2};
    r.Rounded(top, 2, colour);
    r.Fill({key.x + 2, key.y, key.width - 4, 1}, Lighten(colour, 70));
    r.Fill({key.x + 1, key.y + 1, 1, key.height - 4}, Lighten(colour, 30));
}

// A field of the bottom row: a recessed window of the glass colour.
void DrawFieldWell(Raster& r, Box field) {
    r.Frame(Grown(field, 2), Darken(face::kBody, 90), Lighten(face::kBody, 50));
    r.Frame(Grown(field, 1), 0x1E2023, 0x54585E);
    r.Fill(field, face::kGlassColour);
}

// A thin rule below a caption row, the way key groups are marked on a case.
void DrawGroupRule(Raster& r, int x, int y, int width) {
    r.Fill({x, y, width, 1}, Darken(face::kCaption, 140));
}

void DrawCommands(Raster& r) {
    DrawKey(r, face::kOn, kKeyRed);
    DrawKey(r, face::kOff, kKeyGrey);
    DrawKey(r, face::kClear, kKeyRed);
    DrawKey(r, face::kMode, kKeyGrey);
    for (Box key : {face::kLoadRom, face::kLoadSource, face::kSaveSource, face::kSaveText}) DrawKey(r, key, kKeyDark);
    DrawGroupRule(r, face::kLoadCaption.x, face::kLoadCaption.bottom() + 1, face::kLoadCaption.width);
    DrawGroupRule(r, face::kSaveCaption.x, face::kSaveCaption.bottom() + 1, face::kSaveCaption.width);
}

void DrawBottomRow(Raster& r) {
    for (Box field : {face::kLabelInput, face::kAddrInput, face::kFromInput, face::kToInput}) DrawFieldWell(r, field);
    DrawKey(r, face::kGoKey, kKeyGo);
    DrawKey(r, face::kPurgeKey, kKeyGo);
}

// The name plate: the program's name, what it does, and a speaker grille.
void DrawNamePlate(Raster& r) {
    const Box plate = face::kNamePlate;
    r.Rounded(plate, 3, Darken(face::kBody, 30));
    r.Frame(plate, Darken(face::kBody, 90), Lighten(face::kBody, 40));
    const Box name{plate.x, plate.y + 16, plate.width, 21};
    r.TextCentred({name.x + 1, name.y + 1, name.width, name.height}, "SIFTER", Darken(face::kBody, 120), 3);
    r.TextCentred(name, "SIFTER", 0xD8DAD2, 3);
    r.TextCentred({plate.x, plate.y + 46, plate.width, 9}, "ROM WORKBENCH", face::kCaption);
    r.TextCentred({plate.x, plate.y + 60, plate.width, 9}, "LH5801", Darken(face::kCaption, 70));
    // Grille: rows of slots, darker inside, a lit lower lip.
    for (int row = 0; row < 9; ++row) {
        const Box slot{plate.x + 22, plate.y + 92 + row * 11, plate.width - 44, 4};
        r.Rounded(slot, 1, Darken(face::kBody, 140));
        r.Fill({slot.x + 1, slot.bottom() + 1, slot.width - 2, 1}, Lighten(face::kBody, 30));
    }
}

// The printed line along the foot of the case.
void DrawFoot(Raster& r) {
    const int y = face::kRowFieldY + face::kRowFieldHeight + 12;
    r.Fill({10, y, face::kWidth - 20, 1}, Darken(face::kBody, 70));
    r.Fill({10, y + 1, face::kWidth - 20, 1}, Lighten(face::kBody, 20));
    r.Text(12, y + 10, "LH5801 ROM DISASSEMBLER WORKBENCH", Darken(face::kCaption, 110));
}

}  // namespace

Raster DrawFace() {
    Raster r(face::kWidth, face::kHeight, face::kBody);
    DrawBody(r);
    DrawDisplay(r);
    DrawCommands(r);
    DrawBottomRow(r);
    DrawNamePlate(r);
    DrawFoot(r);
    return r;
}
