// The case image: body, display window, labels and key wells, all placed from
// the model's skin entries so that the keys and the display land in them.
#include <algorithm>

#include "models/skin/art.h"
#include "models/skin/palette.h"

namespace {

constexpr int kCaseWidth = 864, kCaseHeight = 383;

Rect EntryRect(const EntryTable& e) { return {e.x, e.y, e.width, e.height}; }

Rect Union(Rect a, Rect b) {
    const int x = std::min(a.x, b.x), y = std::min(a.y, b.y);
    return {x, y, std::max(a.right(), b.right()) - x + 1, std::max(a.bottom(), b.bottom()) - y + 1};
}

// The dot grid (rows 1-7) and the annunciators: what the LCD glass must hold.
Rect LcdContent(const ModelTables& model) {
    Rect r{model.lcdOriginX, model.lcdOriginY + 3, 3 * 156, 3 * 7};
    for (int entry = kSkinFirstAnnunciator; entry <= kSkinPowerDot; ++entry)
        r = Union(r, EntryRect(model.entries[entry]));
    return r;
}

bool IsKey(const ModelTables& model, int index) { return model.entries[index].width > 0; }

// The numeric pad: digits, the point and the four operators.
Rect NumericPad(const ModelTables& model) {
    static constexpr int kPad[] = {21, 22, 23, 24, 35, 36, 37, 38, 49, 50, 51, 52, 61, 62, 64};
    Rect r = EntryRect(model.entries[kPad[0]]);
    for (int index : kPad) r = Union(r, EntryRect(model.entries[index]));
    return r;
}

void DrawBody(Canvas& c, const Palette& p, CaseLook look) {
    c.VerticalGradient({0, 0, kCaseWidth, kCaseHeight}, p.body, p.bodyShade);
    c.Brush({0, 0, kCaseWidth, kCaseHeight}, look == CaseLook::Silver ? 10 : 4, 0x5EED);
    // The case edge: a lit rim at the top and left, a dark one below.
    c.Bevel({0, 0, kCaseWidth, kCaseHeight}, Lighter(p.body, 60), Darker(p.body, 90));
    c.Bevel({1, 1, kCaseWidth - 2, kCaseHeight - 2}, Lighter(p.body, 25), Darker(p.body, 40));
}

void DrawBand(Canvas& c, const Palette& p, Rect lcdFrame) {
    const Rect band{2, lcdFrame.y - 24, kCaseWidth - 4, lcdFrame.height + 48};
    c.VerticalGradient(band, p.band, p.bandLow);
    c.Brush(band, 8, 0xB4ED);
    c.FillRect({band.x, band.y, band.width, 1}, Lighter(p.band, 50));
    c.FillRect({band.x, band.bottom(), band.width, 1}, Darker(p.bandLow, 120));
    c.FillRect({band.x, band.bottom() + 1, band.width, 1}, Darker(p.body, 40));
}

void DrawLcd(Canvas& c, const Palette& p, Rect glass, Rect frame) {
    c.FillRounded(frame.Grown(1), 2, Darker(p.surround, 40));
    c.Bevel(frame.Grown(1), p.bevelLight, p.bevelDark);
    c.FillRect(frame, p.surround);
    c.Bevel(glass.Grown(1), Darker(p.surround, 120), Lighter(p.surround, 40));
    c.FillRect(glass, kLcdBackground);
    // The glass sits below the frame: a soft shadow along its top and left.
    c.BlendRect({glass.x, glass.y, glass.width, 1}, 0x000000, 70);
    c.BlendRect({glass.x, glass.y + 1, glass.width, 1}, 0x000000, 35);
    c.BlendRect({glass.x, glass.y + 1, 1, glass.height - 1}, 0x000000, 50);
    c.BlendRect({glass.x + 1, glass.y + 2, 1, glass.height - 2}, 0x000000, 22);
}

void DrawWell(Canvas& c, const Palette& p, Rect key) {
    c.FillRounded(key.Grown(2), 2, p.well);
    c.Bevel(key.Grown(3), p.bevelLight, p.bevelDark);
}

void DrawShiftedLabels(Canvas& c, const ModelTables& model, const Palette& p) {
    for (int k = 1; k <= kModelKeys; ++k) {
        const std::string_view label = model.keys[k].shifted;
        if (label.empty() || !IsKey(model, k)) continue;
        const EntryTable& e = model.entries[k];
        c.TextCentred({e.x, e.y - 13, e.width, 7}, label, p.shifted);
    }
}

// A thin bracket over the six function keys with its caption in the middle.
void DrawFunctionBracket(Canvas& c, const ModelTables& model, const Palette& p) {
    const EntryTable& first = model.entries[2];
    const EntryTable& last = model.entries[7];
    const int y = first.y - 9, x0 = first.x, x1 = last.x + last.width - 1;
    const std::string_view caption = "RESERVE";
    const int textWidth = TextPixelWidth(caption);
    const int mid = (x0 + x1) / 2;
    c.FillRect({x0, y, mid - textWidth / 2 - 4 - x0, 1}, p.groupLine);
    c.FillRect({mid + textWidth / 2 + 5, y, x1 - (mid + textWidth / 2 + 5) + 1, 1}, p.groupLine);
    c.FillRect({x0, y, 1, 4}, p.groupLine);
    c.FillRect({x1, y, 1, 4}, p.groupLine);
    c.Text(mid - textWidth / 2, y - 3, caption, p.groupLine);
}

// The model name in spaced capitals over a smaller line, with two thin
// coloured rules beside the charcoal family's name.
void DrawCaption(Canvas& c, const ModelTables& model, const Palette& p, Rect area) {
    const TextStyle name{.scale = 2, .bold = true, .tracking = 3};
    const TextStyle sub{.tracking = 1};
    const std::string_view line = "POCKET COMPUTER";
    const int nameWidth = TextPixelWidth(model.caption, name);
    const int height = TextPixelHeight(name) + 8 + TextPixelHeight(sub);
    const int x = area.x + (area.width - nameWidth) / 2;
    const int y = area.y + (area.height - height) / 2;
    c.Text(x + 1, y + 1, model.caption, Darker(p.body, 100), name);
    c.Text(x, y, model.caption, p.caption, name);
    const int lineY = y + TextPixelHeight(name) + 8;
    c.TextCentred({area.x, lineY, area.width, TextPixelHeight(sub)}, line, p.subCaption, sub);
    if (model.look == CaseLook::Charcoal) {
        const int ruleY = lineY + TextPixelHeight(sub) + 6;
        c.FillRect({x, ruleY, nameWidth, 1}, p.shifted);
        c.FillRect({x, ruleY + 2, nameWidth, 1}, p.groupLine);
    }
}

// Rows of small holes: the buzzer grille of the silver case.
void DrawGrille(Canvas& c, const Palette& p, Rect area) {
    for (int y = area.y; y + 2 <= area.bottom(); y += 6)
        for (int x = area.x; x + 2 <= area.right(); x += 6) {
            c.FillRect({x, y, 3, 3}, Darker(p.body, 130));
            c.Set(x + 2, y + 2, Lighter(p.body, 40));
        }
}

}  // namespace

Canvas DrawCase(const ModelTables& model) {
    const Palette& p = PaletteOf(model.look);
    Canvas c(kCaseWidth, kCaseHeight, p.body);
    DrawBody(c, p, model.look);

    const Rect glass = LcdContent(model).Grown(8);
    const bool silver = model.look == CaseLook::Silver;
    const Rect frame = glass.Grown(silver ? 16 : 5);
    if (!silver) DrawBand(c, p, frame);
    DrawLcd(c, p, glass, frame);

    if (silver) {
        DrawCaption(c, model, p, {14, frame.y, frame.x - 28, frame.height});
        DrawGrille(c, p, {frame.right() + 24, frame.y + 8, kCaseWidth - frame.right() - 48, frame.height - 16});
    } else {
        DrawCaption(c, model, p, {frame.right() + 10, frame.y, kCaseWidth - frame.right() - 20, frame.height});
    }

    const Rect pad = NumericPad(model).Grown(9);
    c.FillRounded(pad, 3, p.padPanel);
    c.Bevel(pad, Lighter(p.padPanel, 40), Darker(p.padPanel, 60));

    for (int k = 1; k <= kModelKeys; ++k)
        if (IsKey(model, k)) DrawWell(c, p, EntryRect(model.entries[k]));
    DrawShiftedLabels(c, model, p);
    DrawFunctionBracket(c, model, p);
    return c;
}
