// Keys, annunciators and dots.
#include "models/skin/art.h"
#include "models/skin/palette.h"

namespace {

// How a legend is set: one character large, words small and bold.
struct LegendStyle {
    int scale;
    bool bold;
};

LegendStyle StyleFor(std::string_view legend, int faceWidth) {
    if (legend.size() == 1) return {2, false};
    if (TextPixelWidth(legend, 2, false) <= faceWidth - 8) return {2, false};
    if (TextPixelWidth(legend, 1, true) <= faceWidth - 4) return {1, true};
    return {1, false};
}

}  // namespace

Canvas DrawKey(const ModelTables& model, int index, bool pressed) {
    const EntryTable& e = model.entries[index];
    const Palette& palette = PaletteOf(model.look);
    const KeyColours colours = palette.keys[static_cast<int>(KeyGroupOf(index))];
    Canvas key(e.imageWidth, e.imageHeight, palette.well);
    const int w = e.imageWidth, h = e.imageHeight;

    // Released: face on top of a 2-pixel shadow. Pressed: the face one pixel
    // lower, darker, the shadow gone.
    const Rect face = pressed ? Rect{0, 1, w, h - 2} : Rect{0, 0, w, h - 2};
    if (!pressed) key.FillRounded({0, 1, w, h - 1}, 3, Darker(colours.face, 150));
    const Rgb faceColour = pressed ? Darker(colours.face, 56) : colours.face;
    key.RoundedGradient(face, 3, Lighter(faceColour, pressed ? 8 : 28), Darker(faceColour, 20));
    if (!pressed) {
        key.FillRect({face.x + 2, face.y, face.width - 4, 1}, Lighter(colours.face, 90));
        key.Set(face.x + 1, face.y + 1, Lighter(colours.face, 60));
        key.Set(face.right() - 1, face.y + 1, Lighter(colours.face, 60));
    } else {
        key.FillRect({face.x + 2, face.y, face.width - 4, 1}, Darker(colours.face, 110));
    }

    const std::string_view legend = model.keys[index].legend;
    const LegendStyle style = StyleFor(legend, w);
    const Rgb ink = pressed ? Mix(colours.legend, faceColour, 40) : colours.legend;
    key.TextCentred({face.x, face.y, face.width, face.height}, legend, ink, style.scale, style.bold);
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
    image.TextCentred({0, 0, e.imageWidth, e.imageHeight}, legend, kLcdInk, 1, false, cut);
    return image;
}

Canvas DrawDot(int id) {
    Canvas dot(3, 3, kLcdBackground);
    if (id == 182) dot.FillRect({0, 0, 2, 2}, kLcdInk);
    if (id == 183) dot.FillRect({0, 0, 3, 3}, kLcdInk);
    return dot;
}
