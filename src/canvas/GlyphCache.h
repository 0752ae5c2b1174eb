// Text for the canvas from cached glyphs: each character of a face, size and weight is
// rendered once (no antialiasing) and kept as the list of pixels it sets; a text is then
// a run of those lists. Drawing a readout costs microseconds instead of a text layout.
#pragma once

#include "render/Canvas.h"

#include <QFont>
#include <QString>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace vt {

class GlyphCache {
public:
    struct Glyph {
        int advance = 0;
        std::vector<std::pair<int16_t, int16_t>> pixels; // from the text cell's top-left
    };

    // The glyph of one character in the font (pixel size, bold).
    const Glyph& Get(const QFont& font, char32_t ch);
    // Width of a text and the height of a line in the font.
    int Advance(const QFont& font, const QString& text);
    int LineHeight(const QFont& font);

private:
    struct FontGlyphs {
        std::unordered_map<char32_t, Glyph> glyphs;
        int lineHeight = 0;
    };
    FontGlyphs& For(const QFont& font);

    std::unordered_map<uint64_t, FontGlyphs> fonts_; // by pixel size and weight
};

} // namespace vt
