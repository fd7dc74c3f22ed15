#include "workbench/art/raster.h"

#include <algorithm>
#include <array>

namespace {

// The 5 x 7 font: each row a 5-bit pattern, bit 4 the leftmost pixel.
struct Glyph {
    char c;
    std::array<uint8_t, 7> rows;
};

constexpr Glyph kFont[] = {
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}}, {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}}, {'D', {0x1C, 0x12, 0x11, 0x11, 0x11, 0x12, 0x1C}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}}, {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
    {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}}, {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}}, {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}},
    {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}}, {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
    {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}}, {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}}, {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}}, {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}}, {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
    {'Y', {0x11, 0x11, 0x0A, 0x04, 0x04, 0x04, 0x04}}, {'Z', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}},
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}}, {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}}, {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}}, {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}}, {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}}, {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {' ', {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}}, {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}},
    {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}}, {'/', {0x00, 0x01, 0x02, 0x04, 0x08, 0x10, 0x00}},
};

const Glyph* GlyphFor(char c) {
    for (const Glyph& g : kFont)
        if (g.c == c) return &g;
    return nullptr;
}

constexpr int kGlyphWidth = 5, kGlyphHeight = 7;

}  // namespace

Colour Blend(Colour a, Colour b, int weight256) {
    Colour out = 0;
    for (int shift : {16, 8, 0}) {
        const int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        out |= static_cast<Colour>((ca * (256 - weight256) + cb * weight256) / 256) << shift;
    }
    return out;
}

Raster::Raster(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

Colour Raster::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Raster::Put(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

void Raster::Fill(face::Box b, Colour c) {
    for (int y = b.y; y <= b.bottom(); ++y)
        for (int x = b.x; x <= b.right(); ++x) Put(x, y, c);
}

void Raster::Gradient(face::Box b, Colour top, Colour bottom) {
    for (int y = b.y; y <= b.bottom(); ++y)
        Fill({b.x, y, b.width, 1}, Blend(top, bottom, b.height > 1 ? (y - b.y) * 256 / (b.height - 1) : 0));
}

void Raster::Frame(face::Box b, Colour lit, Colour shade) {
    Fill({b.x, b.y, b.width, 1}, lit);
    Fill({b.x, b.y, 1, b.height}, lit);
    Fill({b.x + 1, b.bottom(), b.width - 1, 1}, shade);
    Fill({b.right(), b.y + 1, 1, b.height - 1}, shade);
}

void Raster::Rounded(face::Box b, int radius, Colour c) {
    // How many pixels each of the first rows of a corner gives up.
    static constexpr int kInset[4][3] = {{0, 0, 0}, {1, 0, 0}, {2, 1, 0}, {3, 1, 1}};
    radius = std::clamp(radius, 0, 3);
    for (int y = b.y; y <= b.bottom(); ++y) {
        const int fromEdge = std::min(y - b.y, b.bottom() - y);
        const int inset = fromEdge < radius ? kInset[radius][fromEdge] : 0;
        Fill({b.x + inset, y, b.width - 2 * inset, 1}, c);
    }
}

void Raster::Streaks(face::Box b, int strength256, uint32_t seed) {
    uint32_t state = seed;
    for (int y = b.y; y <= b.bottom(); ++y) {
        state = state * 1664525u + 1013904223u;
        const int weight = static_cast<int>((state >> 24) % static_cast<uint32_t>(strength256 + 1));
        const Colour towards = (state >> 23) & 1 ? 0xFFFFFF : 0x000000;
        for (int x = b.x; x <= b.right(); ++x) Put(x, y, Blend(At(x, y), towards, weight / 2));
    }
}

void Raster::Text(int x, int y, std::string_view text, Colour c, int scale) {
    for (char ch : text) {
        if (const Glyph* g = GlyphFor(ch)) {
            for (int row = 0; row < kGlyphHeight; ++row)
                for (int col = 0; col < kGlyphWidth; ++col)
                    if (g->rows[row] & (0x10 >> col)) Fill({x + col * scale, y + row * scale, scale, scale}, c);
        }
        x += (kGlyphWidth + 1) * scale;
    }
}

void Raster::TextCentred(face::Box b, std::string_view text, Colour c, int scale) {
    Text(b.x + (b.width - TextWidth(text, scale)) / 2, b.y + (b.height - kGlyphHeight * scale) / 2, text, c, scale);
}

std::vector<uint8_t> Raster::Rgb() const {
    std::vector<uint8_t> bytes;
    bytes.reserve(pixels_.size() * 3);
    for (Colour c : pixels_) {
        bytes.push_back(static_cast<uint8_t>(c >> 16));
        bytes.push_back(static_cast<uint8_t>(c >> 8));
        bytes.push_back(static_cast<uint8_t>(c));
    }
    return bytes;
}

int TextWidth(std::string_view text, int scale) {
    return text.empty() ? 0 : (static_cast<int>(text.size()) * (kGlyphWidth + 1) - 1) * scale;
}
