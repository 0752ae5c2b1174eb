// The frame order of the main window's scene.
#include "render/Scene.h"

#include "render/Linkage.h"
#include "render/Section.h"
#include "render/SteamDisplay.h"

namespace vt {

void DrawScene(Canvas& c, State& s) {
    c.Clear();
    c.SetPenWidth(s.LineWidth);
    if (s.SteamDispOn) DrawSteam(c, s);
    DrawLinkageFirstPart(c, s);
    DrawSection(c, s);
    DrawLinkageSecondPart(c, s);
}

} // namespace vt
