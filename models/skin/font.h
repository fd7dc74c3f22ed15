// The skin generator's bitmap font: 5 x 7 capitals, digits, punctuation and the
// glyph codes of models/tables.h (arrows, two katakana), plus a narrower cut of
// a few capitals for annunciator legends that must fit a tight image.
#pragma once

#include <string_view>

constexpr int kGlyphHeight = 7;

struct Glyph {
    int width = 0;           // 0: no glyph for this character
    const char* rows[kGlyphHeight] = {};  // '#' ink, '.' paper
};

enum class FontCut { Regular, Narrow };

// The glyph of `c`; the narrow cut falls back to the regular one.
const Glyph& GlyphOf(char c, FontCut cut = FontCut::Regular);

// Width in pixels of `text` at scale 1, glyphs one pixel apart.
int TextWidth(std::string_view text, FontCut cut = FontCut::Regular);
