// The frame order of the main window's scene.
#include "render/Scene.h"

#include "render/LineDraw.h"
#include "render/Linkage.h"
#include "render/Readouts.h"
#include "render/Section.h"
#include "render/SteamDisplay.h"

namespace vt {

MarkerOutcome DrawScene(Canvas& c, State& s) {
    c.Clear();
    c.SetPenWidth(s.LineWidth);
    if (s.SteamDispOn) DrawSteam(c, s);
    DrawLinkageFirstPart(c, s);
    DrawSection(c, s);
    DrawLinkageSecondPart(c, s);
    const Color overlayPen = DrawOverlay(c, s); // the reference points are drawn in it
    DrawReadouts(c, s, overlayPen);
    return DrawMarker(c, s);
}

} // namespace vt
