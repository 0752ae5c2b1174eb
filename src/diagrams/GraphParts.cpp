// The graph windows' legend, dynamic-variable block and undo line; see GraphParts.h.
#include "diagrams/GraphParts.h"

#include "model/DynVars.h"
#include "model/Format.h"
#include "model/MidGear.h"
#include "model/Real.h"
#include "model/Rounding.h"

#include <algorithm>
#include <cmath>

namespace vt {

namespace {

void Normal(Canvas& c, Color color = colors::Black) { c.SetFont(color, kGraphFontSize, false); }

void DrawDynVarBlock(Canvas& c, const State& s) {
    if (!s.DynVarsOn) return;
    if (s.DynVarName[1] != kEmptyDynVarName) {
        const double rows[] = {0, 14, 26, 38};
        for (int k = 1; k <= 4; ++k) {
            const int y = k == 1 ? 2 : TextY(s, rows[k - 1]);
            c.TextOut(TextX(s, 235), y, s.DynVarName[k]);
            c.TextOut(TextX(s, 363), y, FormatFixed(s.DynVarValue[k], 6, 3));
        }
        return;
    }
    const char* stars = "*******************************";
    Normal(c, colors::Red);
    c.TextOut(TextX(s, 235), 2, stars);
    c.TextOut(TextX(s, 235), TextY(s, 12), "* First Select Dimensions *");
    c.TextOut(TextX(s, 235), TextY(s, 26), stars);
    Normal(c);
}

// The line written is the one the last drawing built; the new one is written over it
// only while the dynamic variables are shown (a second run shows it otherwise).
void DrawUndoLine(Canvas& c, State& s) {
    if (!s.UndoOn) return;
    const int x = TextX(s, 150), y = TextY(s, 55);
    c.TextOut(x, y, s.UndoStatusText);
    PassGraphFooter(s);
    if (s.DynVarsOn) c.TextOut(x, y, s.UndoStatusText);
}

} // namespace

int TextX(const State& s, double a) { return ToPixel(a * s.FontScaleX); }
int TextY(const State& s, double b) { return ToPixel(b * s.FontScaleY); }

int PlottedPositions(const Mechanism& m) { return std::clamp(m.RevArmCount, 0, 9); }

std::string DirectionWord(const Mechanism& m, float p) {
    const float cen = m.RevArmSet[0];
    if (p == cen) return "Cen";
    if (SenseIsDirect(m)) return p > cen ? "Fwd" : "Rev";
    return p >= cen ? "Rev" : "Fwd";
}

void DrawLegendHead(Canvas& c, const State& s) {
    c.TextOut(TextX(s, 500), 0, "Reverse Arm Positions");
    c.TextOut(TextX(s, 520), 13, "Center");
    c.TextOut(TextX(s, 580), 13, FormatFixed(s.RevArmSet[0], 6, 3));
}

void DrawLegendRow(Canvas& c, const State& s, int k) {
    const int y = ToPixel(k * double(s.FontScaleY) * 12.0) + 12;
    const float p = s.RevArmSet[k];
    c.TextOut(TextX(s, 545), y, FormatFixed(k, 5, 0));
    c.TextOut(TextX(s, 580), y, FormatFixed(p, 6, 3));
    c.TextOut(TextX(s, 533), y, DirectionWord(s, p));
}

Color CurveColor(int k) { return kCurveColors[std::size_t(std::clamp(k, 1, 9) - 1)]; }

void DrawCurveLegendRow(Canvas& c, const State& s, int k) {
    const int y = ToPixel(k * double(s.FontScaleY) * 12.0) + 12 + kGraphFontPixels / 2;
    c.SetPenColor(CurveColor(k));
    c.MoveTo(TextX(s, 506), y);
    c.LineTo(TextX(s, 528), y);
    c.SetPenColor(colors::Black);
    Normal(c, CurveColor(k));
    DrawLegendRow(c, s, k);
    Normal(c);
}

void PassGraphFooter(State& s) {
    if (!s.UndoOn) return;
    BuildUndoStatus(s);
    s.UndoStatusText.append(kUndoLineBlanks, ' ');
}

float SweepAngle(float angle, float step) {
    float a = F32(double(angle) + step);
    if (!std::isfinite(a)) return a;
    while (a > 360) a -= 360;
    while (a < 0) a += 360;
    return a;
}

void DrawGraphFooter(Canvas& c, State& s) {
    Normal(c);
    DrawDynVarBlock(c, s);
    DrawUndoLine(c, s);
}

} // namespace vt
