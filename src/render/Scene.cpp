// The frame order of the main window's scene.
#include "render/Scene.h"

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
    // The overlay stage leaves the pen of entry 20 (black while it is empty).
    DrawReadouts(c, s, colors::Black);
    return DrawMarker(c, s);
}

} // namespace vt
