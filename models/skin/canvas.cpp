#include "models/skin/canvas.h"

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

Rgb Canvas::At(int x, int y) const { return Inside(x, y) ? pixels_[static_cast<size_t>(y) * width_ + x] : 0; }

void Canvas::Set(int x, int y, Rgb c) {
    if (Inside(x, y)) pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

void Canvas::Blend(int x, int y, Rgb c, int weight256) {
    if (Inside(x, y)) Set(x, y, Mix(At(x, y), c, weight256));
}

void Canvas::FillRect(Rect r, Rgb c) {
    for (int y = r.y; y <= r.bottom(); ++y)
        for (int x = r.x; x <= r.right(); ++x) Set(x, y, c);
}

void Canvas::BlendRect(Rect r, Rgb c, int weight256) {
    for (int y = r.y; y <= r.bottom(); ++y)
        for (int x = r.x; x <= r.right(); ++x) Blend(x, y, c, weight256);
}

void Canvas::VerticalGradient(Rect r, Rgb top, Rgb bottom) {
    for (int y = r.y; y <= r.bottom(); ++y) {
        const int w = r.height > 1 ? (y - r.y) * 256 / (r.height - 1) : 0;
        FillRect({r.x, y, r.width, 1}, Mix(top, bottom, w));
    }
}

void Canvas::Bevel(Rect r, Rgb topLeft, Rgb bottomRight) {
    FillRect({r.x, r.y, r.width, 1}, topLeft);
    FillRect({r.x, r.y, 1, r.height}, topLeft);
    FillRect({r.x + 1, r.bottom(), r.width - 1, 1}, bottomRight);
    FillRect({r.right(), r.y + 1, 1, r.height - 1}, bottomRight);
}

bool Canvas::InRounded(Rect r, int radius, int x, int y) const {
    if (x < r.x || y < r.y || x > r.right() || y > r.bottom()) return false;
    // Corner cut: the pixels whose distance from the corner square's inner
    // corner exceeds the radius (a staircase that reads as round at 2-3 px).
    static constexpr int kCut[4][3] = {{0, 0, 0}, {1, 0, 0}, {2, 1, 0}, {3, 1, 1}};
    const int rad = radius < 0 ? 0 : (radius > 3 ? 3 : radius);
    const int dy = y - r.y < rad ? y - r.y : (r.bottom() - y < rad ? r.bottom() - y : -1);
    if (dy < 0) return true;
    const int cut = kCut[rad][dy];
    return x - r.x >= cut && r.right() - x >= cut;
}

void Canvas::FillRounded(Rect r, int radius, Rgb c) {
    for (int y = r.y; y <= r.bottom(); ++y)
        for (int x = r.x; x <= r.right(); ++x)
            if (InRounded(r, radius, x, y)) Set(x, y, c);
}

void Canvas::RoundedGradient(Rect r, int radius, Rgb top, Rgb bottom) {
    for (int y = r.y; y <= r.bottom(); ++y) {
        const int w = r.height > 1 ? (y - r.y) * 256 / (r.height - 1) : 0;
        for (int x = r.x; x <= r.right(); ++x)
            if (InRounded(r, radius, x, y)) Set(x, y, Mix(top, bottom, w));
    }
}

void Canvas::FillDisc(int cx2, int cy2, int r2, Rgb c) {
    for (int y = (cy2 - r2) / 2 - 1; y <= (cy2 + r2) / 2 + 1; ++y)
        for (int x = (cx2 - r2) / 2 - 1; x <= (cx2 + r2) / 2 + 1; ++x) {
            const int dx = 2 * x + 1 - cx2, dy = 2 * y + 1 - cy2;
            if (dx * dx + dy * dy <= r2 * r2) Set(x, y, c);
        }
}

void Canvas::Brush(Rect r, int strength256, uint32_t seed) {
    uint32_t state = seed | 1;
    auto next = [&] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    for (int y = r.y; y <= r.bottom(); ++y) {
        int x = r.x;
        while (x <= r.right()) {
            const int run = 8 + static_cast<int>(next() % 40);
            const bool light = next() & 1;
            const int weight = static_cast<int>(next() % (strength256 + 1));
            for (int i = 0; i < run && x <= r.right(); ++i, ++x) Blend(x, y, light ? 0xFFFFFF : 0x000000, weight);
        }
    }
}

namespace {

int Advance(const Glyph& g, const TextStyle& style) {
    return (g.width + (style.bold ? 1 : 0) + 1) * style.scale + style.tracking;
}

}  // namespace

int TextPixelWidth(std::string_view text, const TextStyle& style) {
    int width = 0;
    for (char c : text) width += Advance(GlyphOf(c, style.cut), style);
    return width > 0 ? width - style.scale - style.tracking : 0;
}

void Canvas::Text(int x, int y, std::string_view text, Rgb c, const TextStyle& style) {
    const int s = style.scale;
    for (char ch : text) {
        const Glyph& g = GlyphOf(ch, style.cut);
        for (int row = 0; row < kGlyphHeight && g.width > 0; ++row)
            for (int col = 0; col < g.width; ++col)
                if (g.rows[row][col] == '#') FillRect({x + col * s, y + row * s, s * (style.bold ? 2 : 1), s}, c);
        x += Advance(g, style);
    }
}

void Canvas::TextCentred(Rect r, std::string_view text, Rgb c, const TextStyle& style) {
    const int w = TextPixelWidth(text, style), h = TextPixelHeight(style);
    Text(r.x + (r.width - w) / 2, r.y + (r.height - h) / 2, text, c, style);
}

std::vector<uint8_t> Canvas::Bgr() const {
    std::vector<uint8_t> out;
    out.reserve(pixels_.size() * 3);
    for (Rgb p : pixels_) {
        out.push_back(static_cast<uint8_t>(p));
        out.push_back(static_cast<uint8_t>(p >> 8));
        out.push_back(static_cast<uint8_t>(p >> 16));
    }
    return out;
}

void Canvas::Paste(const Canvas& source, int x, int y) {
    for (int sy = 0; sy < source.height(); ++sy)
        for (int sx = 0; sx < source.width(); ++sx) Set(x + sx, y + sy, source.At(sx, sy));
}
