// Glyph cache; see GlyphCache.h.
#include "canvas/GlyphCache.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace vt {

namespace {

// Glyphs a cache keeps per font before it starts again: a bound on memory whatever the
// texts (any Unicode character may be asked for).
constexpr std::size_t kMaxGlyphsPerFont = 4096;

uint64_t KeyOf(const QFont& font) {
    return uint64_t(uint32_t(font.pixelSize())) << 8 | uint64_t(font.bold() ? 1 : 0);
}

GlyphCache::Glyph Render(const QFont& font, char32_t ch) {
    const QFontMetrics metrics(font);
    const QString text = QString::fromUcs4(&ch, 1);
    GlyphCache::Glyph glyph;
    glyph.advance = metrics.horizontalAdvance(text);
    // Room for overhangs on both sides of the advance.
    const int pad = metrics.height();
    QImage image(glyph.advance + 2 * pad, 2 * metrics.height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QPointF(pad, metrics.ascent()), text);
    }
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qGray(row[x]) < 128) glyph.pixels.emplace_back(int16_t(x - pad), int16_t(y));
    }
    return glyph;
}

} // namespace

GlyphCache::FontGlyphs& GlyphCache::For(const QFont& font) {
    FontGlyphs& f = fonts_[KeyOf(font)];
    if (f.lineHeight == 0) f.lineHeight = QFontMetrics(font).height();
    return f;
}

const GlyphCache::Glyph& GlyphCache::Get(const QFont& font, char32_t ch) {
    FontGlyphs& f = For(font);
    if (f.glyphs.size() >= kMaxGlyphsPerFont && !f.glyphs.count(ch)) f.glyphs.clear();
    auto it = f.glyphs.find(ch);
    if (it == f.glyphs.end()) it = f.glyphs.emplace(ch, Render(font, ch)).first;
    return it->second;
}

int GlyphCache::Advance(const QFont& font, const QString& text) {
    int width = 0;
    for (char32_t ch : text.toUcs4()) width += Get(font, ch).advance;
    return width;
}

int GlyphCache::LineHeight(const QFont& font) { return For(font).lineHeight; }

} // namespace vt
