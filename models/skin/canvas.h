// A small RGB raster for the skin generator: filled rectangles, bevels,
// rounded shapes, gradients and bitmap-font text. Everything is integer and
// deterministic, so the generated images are the same on every build.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "models/skin/font.h"

using Rgb = uint32_t;  // 0xRRGGBB

struct TextStyle {
    int scale = 1;     // each font pixel drawn as scale x scale
    bool bold = false;  // a second column on every stroke
    FontCut cut = FontCut::Regular;
    int tracking = 0;  // extra pixels between glyphs
};

constexpr Rgb Mix(Rgb a, Rgb b, int bWeight256) {
    auto channel = [&](int shift) {
        const int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        return static_cast<Rgb>((ca * (256 - bWeight256) + cb * bWeight256) / 256) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}
constexpr Rgb Lighter(Rgb c, int amount256) { return Mix(c, 0xFFFFFF, amount256); }
constexpr Rgb Darker(Rgb c, int amount256) { return Mix(c, 0x000000, amount256); }

struct Rect {
    int x, y, width, height;
    int right() const { return x + width - 1; }
    int bottom() const { return y + height - 1; }
    Rect Grown(int by) const { return {x - by, y - by, width + 2 * by, height + 2 * by}; }
};

class Canvas {
public:
    Canvas(int width, int height, Rgb fill);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb At(int x, int y) const;
    void Set(int x, int y, Rgb c);
    void Blend(int x, int y, Rgb c, int weight256);

    void FillRect(Rect r, Rgb c);
    void BlendRect(Rect r, Rgb c, int weight256);
    void VerticalGradient(Rect r, Rgb top, Rgb bottom);
    // One-pixel frame: `topLeft` on the top and left edges, `bottomRight` on
    // the others.
    void Bevel(Rect r, Rgb topLeft, Rgb bottomRight);
    // A rectangle with its corners cut round by `radius` (0-3) pixels.
    void FillRounded(Rect r, int radius, Rgb c);
    void RoundedGradient(Rect r, int radius, Rgb top, Rgb bottom);
    void FillDisc(int cx2, int cy2, int r2, Rgb c);  // centre and radius in half pixels
    // Fine horizontal streaks of a brushed finish, from a fixed seed.
    void Brush(Rect r, int strength256, uint32_t seed);

    // Text at (x, y) top-left.
    void Text(int x, int y, std::string_view text, Rgb c, const TextStyle& style = {});
    // The same, centred in `r`.
    void TextCentred(Rect r, std::string_view text, Rgb c, const TextStyle& style = {});

    // The pixels as 24-bit B, G, R rows, top to bottom.
    std::vector<uint8_t> Bgr() const;
    // Copies `source` with its top-left at (x, y).
    void Paste(const Canvas& source, int x, int y);

private:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    bool InRounded(Rect r, int radius, int x, int y) const;
    int width_, height_;
    std::vector<Rgb> pixels_;
};

// Width and height of `text` as Text draws it.
int TextPixelWidth(std::string_view text, const TextStyle& style = {});
constexpr int TextPixelHeight(const TextStyle& style = {}) { return kGlyphHeight * style.scale; }
