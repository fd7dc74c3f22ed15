// Keys, annunciators and dots.
#include "models/skin/art.h"
#include "models/skin/palette.h"

namespace {

// One character large, words small and bold, whatever fits the face.
TextStyle LegendStyle(std::string_view legend, int faceWidth) {
    const TextStyle large{.scale = 2}, word{.bold = true}, plain{};
    if (legend.size() == 1 || TextPixelWidth(legend, large) <= faceWidth - 10) return large;
    if (TextPixelWidth(legend, word) <= faceWidth - 6) return word;
    return plain;
}

}  // namespace

// Released: the face stands on a two-pixel shadow with a lit top edge.
// Pressed: the face sinks into the well (lower, a pixel narrower each side,
// darker, shaded along its top) and the shadow is gone.
Canvas DrawKey(const ModelTables& model, int index, bool pressed) {
    const EntryTable& e = model.entries[index];
    const Palette& palette = PaletteOf(model.look);
    const KeyColours colours = palette.keys[static_cast<int>(KeyGroupOf(index))];
    const int w = e.imageWidth, h = e.imageHeight;
    Canvas key(w, h, palette.well);

    Rect face{0, 0, w, h - 2};
    Rgb faceColour = colours.face;
    if (pressed) {
        face = {1, 2, w - 2, h - 3};
        faceColour = Darker(colours.face, 72);
        key.RoundedGradient(face, 3, Darker(faceColour, 40), Lighter(faceColour, 6));
        key.FillRect({face.x + 2, face.y, face.width - 4, 1}, Darker(faceColour, 120));
        key.BlendRect({face.x + 1, face.y + 1, face.width - 2, 1}, 0x000000, 50);
    } else {
        key.FillRounded({0, 1, w, h - 1}, 3, Darker(colours.face, 150));
        key.RoundedGradient(face, 3, Lighter(faceColour, 30), Darker(faceColour, 22));
        key.FillRect({face.x + 2, face.y, face.width - 4, 1}, Lighter(colours.face, 100));
        key.Set(face.x + 1, face.y + 1, Lighter(colours.face, 60));
        key.Set(face.right() - 1, face.y + 1, Lighter(colours.face, 60));
    }

    const std::string_view legend = model.keys[index].legend;
    const Rgb ink = pressed ? Mix(colours.legend, faceColour, 24) : colours.legend;
    key.TextCentred({face.x, face.y, face.width, face.height}, legend, ink,
                    LegendStyle(legend, face.width));
    return key;
}

Canvas DrawAnnunciator(const ModelTables& model, int entry, bool lit) {
    const EntryTable& e = model.entries[entry];
    Canvas image(e.imageWidth, e.imageHeight, kLcdBackground);
    if (entry == kSkinPowerDot) {
        // A small round light: warm red when lit, dark when not.
        const Rgb core = lit ? 0xE8432E : 0x4C4A46;
        image.FillDisc(e.imageWidth, e.imageHeight, 4, core);
        if (lit) image.Set(1, 2, 0xFFB8A0);
        return image;
    }
    if (!lit) return image;
    const std::string_view legend = AnnunciatorTexts()[entry - kSkinFirstAnnunciator].legend;
    if (legend.find_first_not_of('I') == std::string_view::npos) {
        // Roman numerals: bars across the top and bottom, one stem per unit.
        image.FillRect({0, 0, e.imageWidth, 1}, kLcdInk);
        image.FillRect({0, e.imageHeight - 1, e.imageWidth, 1}, kLcdInk);
        for (size_t i = 0; i < legend.size(); ++i) image.FillRect({1 + 2 * static_cast<int>(i), 1, 1, e.imageHeight - 2}, kLcdInk);
        return image;
    }
    const FontCut cut = TextWidth(legend) <= e.imageWidth ? FontCut::Regular : FontCut::Narrow;
    image.TextCentred({0, 0, e.imageWidth, e.imageHeight}, legend, kLcdInk, {.cut = cut});
    return image;
}

Canvas DrawDot(int id) {
    Canvas dot(3, 3, kLcdBackground);
    if (id == 182) dot.FillRect({0, 0, 2, 2}, kLcdInk);
    if (id == 183) dot.FillRect({0, 0, 3, 3}, kLcdInk);
    return dot;
}
