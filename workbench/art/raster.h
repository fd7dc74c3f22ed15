// A small RGB raster for drawing Sifter's face: rectangles, gradients, bevels,
// rounded wells and text in a built-in 5 x 7 bitmap font. Integer arithmetic
// only, so the picture is the same on every build.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "workbench/art/face_layout.h"

using Colour = uint32_t;  // 0xRRGGBB

// `a` moved towards `b` by weight/256.
Colour Blend(Colour a, Colour b, int weight256);
inline Colour Lighten(Colour c, int weight256) { return Blend(c, 0xFFFFFF, weight256); }
inline Colour Darken(Colour c, int weight256) { return Blend(c, 0x000000, weight256); }

class Raster {
public:
    Raster(int width, int height, Colour fill);

    int width() const { return width_; }
    int height() const { return height_; }
    Colour At(int x, int y) const;
    void Put(int x, int y, Colour c);

    void Fill(face::Box b, Colour c);
    void Gradient(face::Box b, Colour top, Colour bottom);
    // One-pixel frame: `lit` along the top and left, `shade` along the others.
    void Frame(face::Box b, Colour lit, Colour shade);
    // A box with corners rounded by `radius` (0-3) pixels.
    void Rounded(face::Box b, int radius, Colour c);
    // Fine horizontal streaks, fixed seed: a brushed finish.
    void Streaks(face::Box b, int strength256, uint32_t seed);

    // Text in the 5 x 7 font, each font pixel a scale x scale square.
    void Text(int x, int y, std::string_view text, Colour c, int scale = 1);
    void TextCentred(face::Box b, std::string_view text, Colour c, int scale = 1);

    // Rows of R, G, B bytes, top to bottom.
    std::vector<uint8_t> Rgb() const;

private:
    int width_, height_;
    std::vector<Colour> pixels_;
};

// Width of `text` in pixels at `scale`: glyphs one font pixel apart.
int TextWidth(std::string_view text, int scale = 1);
