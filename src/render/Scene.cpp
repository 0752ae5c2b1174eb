// The frame order of the main window's scene.
#include "render/Scene.h"

#include "model/ControlBand.h"

#include "render/LineDraw.h"
#include "render/Linkage.h"
#include "render/Readouts.h"
#include "render/Section.h"
#include "render/SteamDisplay.h"

#include <algorithm>

namespace vt {

namespace {

// The gear belongs to the scene's own area: whatever of it fell where the controls stand
// is whitened again before the readouts are written there. A canvas without pixels (the
// recording one) keeps every call as it was made.
void ClearControlBand(Canvas& c, const State& s) {
    const PixelGrid grid = c.Pixels();
    if (!grid.bits) return;
    const uint32_t white = PixelGrid::Pack(colors::White);
    for (const BandBox& b : ControlBand(s)) {
        const int x0 = std::max(b.x0, 0), x1 = std::min(b.x1, grid.width);
        const int y0 = std::max(b.y0, 0), y1 = std::min(b.y1, grid.height);
        if (x1 <= x0 || y1 <= y0) continue;
        for (int y = y0; y < y1; ++y) std::fill_n(grid.bits + y * grid.stride + x0, x1 - x0, white);
        c.PixelsWritten(x0, y0, x1 - 1, y1 - 1);
    }
}

} // namespace

MarkerOutcome DrawScene(Canvas& c, State& s) {
    c.Clear();
    c.SetPenWidth(s.LineWidth);
    if (s.SteamDispOn) DrawSteam(c, s);
    DrawLinkageFirstPart(c, s);
    DrawSection(c, s);
    DrawLinkageSecondPart(c, s);
    const Color overlayPen = DrawOverlay(c, s); // the reference points are drawn in it
    ClearControlBand(c, s);
    DrawReadouts(c, s, overlayPen);
    return DrawMarker(c, s);
}

} // namespace vt
