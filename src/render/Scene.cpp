// The frame order of the main window's scene.
#include "render/Scene.h"

#include "render/Linkage.h"

namespace vt {

void DrawScene(Canvas& c, State& s) {
    c.Clear();
    c.SetPenWidth(s.LineWidth);
    DrawLinkageFirstPart(c, s);
    DrawLinkageSecondPart(c, s);
}

} // namespace vt
