// The steam cycle arrows; see PortCycle.h. The arrows are one path through fixed rows,
// each point an offset from one of the four events or a fixed place.
#include "diagrams/PortCycle.h"

#include "diagrams/GraphParts.h"
#include "diagrams/PortsDraw.h"
#include "model/Rounding.h"

namespace vt {

namespace {

enum Anchor { Fixed, Admission, Release, CutOff, Compression };

struct ArrowStep {
    char op; // 'M' move, 'L' line, 'T' text
    Anchor at;
    int dx, y;
    const char* text = nullptr;
};

// Expansion from the cut-off to the release, exhaust round the bottom to the compression,
// compression to the admission, and admission back along the top.
constexpr ArrowStep kArrows[] = {
    {'M', CutOff, -110, 101},     {'L', CutOff, -70, 101},      {'L', CutOff, -20, 135},
    {'L', CutOff, 0, 135},        {'L', CutOff, -12, 131},      {'L', CutOff, -12, 139},
    {'L', CutOff, 0, 135},        {'T', CutOff, 10, 129, "Exp"},
    {'M', CutOff, 40, 135},       {'L', Release, 0, 135},       {'L', Release, -12, 131},
    {'L', Release, -12, 139},     {'L', Release, 0, 135},
    {'M', Release, 8, 135},       {'L', Fixed, 549, 135},       {'L', Fixed, 529, 169},
    {'L', Release, -160, 169},    {'T', Release, -190, 163, "Exh"},
    {'M', Release, -200, 169},    {'L', Compression, 100, 169}, {'L', Compression, 50, 135},
    {'L', Compression, 0, 135},   {'L', Compression, 12, 131},  {'L', Compression, 12, 139},
    {'L', Compression, 0, 135},   {'T', Compression, -25, 129, "Com"},
    {'M', Compression, -30, 135}, {'L', Admission, 0, 135},     {'L', Admission, 12, 139},
    {'L', Admission, 12, 131},    {'L', Admission, 0, 135},     {'L', Fixed, 9, 135},
    {'L', Fixed, 27, 101},        {'L', CutOff, -150, 101},     {'T', CutOff, -140, 95, "Adm"},
};

double Base(const CycleMarks& m, Anchor a) {
    switch (a) {
    case Admission: return m.admission;
    case Release: return m.release;
    case CutOff: return m.cutOff;
    case Compression: return m.compression;
    case Fixed: break;
    }
    return 0;
}

} // namespace

void RecordCycleMark(CycleMarks& m, int kind, float f) {
    const double x = f * 0.84375 + 9;
    switch (kind) {
    case FrontAdmission: m.admission = x; break;
    case FrontRelease: m.release = x; break;
    case FrontCutOff: m.cutOff = x; break;
    case FrontCompression: m.compression = x; break;
    default: break;
    }
}

void DrawCycleArrows(Canvas& c, const CycleMarks& m) {
    c.SetFont(colors::Black, kGraphFontSize, true);
    for (const ArrowStep& a : kArrows) {
        const int x = ToPixel(Base(m, a.at) + a.dx);
        if (a.op == 'M') c.MoveTo(x, a.y);
        if (a.op == 'L') c.LineTo(x, a.y);
        if (a.op == 'T') c.TextOut(x, a.y, a.text);
    }
    c.SetFont(colors::Black, kGraphFontSize, false);
}

} // namespace vt
