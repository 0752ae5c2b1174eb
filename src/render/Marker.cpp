// Dimension marker; see Marker.h. The marker lines are a table: for each dimension, the
// two or three pixel points of its line, from the pivots, the section points and model
// points converted with the marker's view.
#include "render/Marker.h"

#include "model/Real.h"
#include "model/View.h"

#include <array>

namespace vt {

namespace {

constexpr int32_t kMarkerFrames = 1000;
constexpr int32_t kEndedByClick = 1005;
constexpr int kRedFrames = 3, kBlinkPeriod = 6;

struct Px {
    int32_t x = 0, y = 0;
};
using PointFn = Px (*)(const State&);

// Pivot n's pixel; a model point; the section points (C outer wall, W port walls, piston
// corners, valve outline); the integer midpoint as the drawing's arithmetic takes it.
Px P(const State& s, int n) { return {s.PivotScrX[n], s.PivotScrY[n]}; }
Px M(const State& s, double x, double y) { return {ScreenX(s, x), ScreenY(s, y)}; }
Px C(const State& s, int i) { return {s.CylOutlineX[i], s.CylOutlineY[i]}; }
Px W(const State& s, int i) { return C(s, 14 + i); }
Px Piston(const State& s, int i) { return {s.PistonValveX[1 + i], s.PistonValveY[1 + i]}; }
Px V(const State& s, int i) { return {s.PistonValveX[6 + i], s.PistonValveY[6 + i]}; }
int32_t Mid(int32_t a, int32_t b) { return int32_t((int64_t(a) + b) / 2); }
Px MidPx(Px a, Px b) { return {Mid(a.x, b.x), Mid(a.y, b.y)}; }

// The model points shared by two rows each.
Px LinkBackSetPoint(const State& s) {
    return M(s, double(s.PivotX[9]) + s.LinkCentPivotBackSet,
             double(s.PivotY[9]) - s.PivotY[14] / 30.0);
}
Px RevArmTop(const State& s) {
    const double k = double(s.RevArmLen) / s.LiftingArmLen; // 0 length: RoundClamped bounds it
    return M(s, s.PivotX[17] + k * (double(s.PivotY[17]) - s.PivotY[15]),
             s.PivotY[17] + k * (double(s.PivotX[15]) - s.PivotX[17]));
}
Px CylFront(const State& s) {
    return {ScreenX(s, double(s.PivotX[1]) + s.CylCtrToDriverCtr), s.PivotScrY[1]};
}
int32_t ValveMid(const State& s) { return Mid(V(s, 0).x, V(s, 1).x); }
int32_t CavityMid(const State& s) { return Mid(V(s, 3).x, V(s, 6).x); }

#define PT(expr) +[](const State& s) -> Px { return expr; }

struct MarkerRow {
    int32_t No;
    const char* Label;
    float K;
    bool KeepOffsets;
    float OffsetX, OffsetY;
    std::array<PointFn, 3> Points; // the line through them; the third may be absent
};

constexpr float kKeep = 0;

const std::array<MarkerRow, 50> kRows{{
    {1, "Driver Dia", 30, false, 290, 212,
     {PT(M(s, s.PivotX[1], double(s.PivotY[1]) - s.DriverDia / 2.0)),
      PT(M(s, s.PivotX[1], double(s.PivotY[1]) + s.DriverDia / 2.0))}},
    {2, "Stroke", 30, false, 290, 212,
     {PT(P(s, 2)), PT(M(s, 2.0 * s.PivotX[1] - s.PivotX[2], 2.0 * s.PivotY[1] - s.PivotY[2]))}},
    {3, "Main Rod Length", 28.5f, true, kKeep, kKeep, {PT(P(s, 2)), PT(P(s, 3))}},
    {4, "Eccentric Circle Dia", 62, false, 280, 212,
     {PT(P(s, 12)), PT(M(s, double(s.PivotX[1]) - s.PivotX[12], double(s.PivotY[1]) - s.PivotY[12]))}},
    {5, "Eccentric Dia", 62, false, 280, 212,
     {PT(P(s, 21)), PT(M(s, 2.0 * s.PivotX[12] - s.PivotX[21], 2.0 * s.PivotY[12] - s.PivotY[21]))}},
    {6, "Eccentric Forward Angle", 62, false, 280, 212, {PT(P(s, 2)), PT(P(s, 1)), PT(P(s, 12))}},
    {7, "Eccentric Reverse Angle", 62, false, 280, 212, {PT(P(s, 2)), PT(P(s, 1)), PT(P(s, 13))}},
    {8, "Eccentric Forward Rod", 50, false, 100, 212, {PT(P(s, 12)), PT(P(s, 10))}},
    {9, "Eccentric Reverse Rod", 50, false, 100, 212, {PT(P(s, 13)), PT(P(s, 11))}},
    {10, "Link Radius", 33, false, 100, 212,
     {PT(P(s, 14)), PT((Px{ScreenX(s, double(s.PivotX[9]) + s.LinkCentPivotBackSet), s.PivotScrY[9]}))}},
    {11, "Link Cent Pivot Back Set", 33, false, 100, 212, {PT(P(s, 9)), PT(LinkBackSetPoint(s))}},
    {12, "Link-Ecc Rod Pivot Vert", 33, false, 100, 212, {PT(P(s, 10)), PT(MidPx(P(s, 10), P(s, 11)))}},
    {13, "Link-Ecc Rod Pivot BkS", 33, false, 100, 212,
     {PT(LinkBackSetPoint(s)), PT(MidPx(P(s, 10), P(s, 11)))}},
    {14, "Rocker Upper Length", 40, false, 50, 250, {PT(P(s, 23)), PT(P(s, 7))}},
    {15, "Rocker Upper Back Set", 40, false, 50, 250, {PT(P(s, 23)), PT(P(s, 5))}},
    {16, "Rocker Lower Length", 40, false, 50, 250, {PT(P(s, 7)), PT(P(s, 8))}},
    {17, "Rocker Pivot Vert", 33, false, 100, 250, {PT(P(s, 7)), PT((Px{s.PivotScrX[7], s.PivotScrY[1]}))}},
    {18, "Rocker Pivot Horz", 33, false, 100, 250, {PT(P(s, 7)), PT((Px{s.PivotScrX[1], s.PivotScrY[7]}))}},
    {19, "Valve Con Rod Length", 33, false, 100, 250, {PT(P(s, 5)), PT(P(s, 4))}},
    {20, "Lifting Link Length", 33, false, 100, 250, {PT(P(s, 15)), PT(P(s, 9))}},
    {21, "Reverse Arm Length", 33, false, 100, 250, {PT(P(s, 17)), PT(RevArmTop(s))}},
    {22, "Reverse Arm Back Set", 33, false, 100, 250, {PT(P(s, 18)), PT(RevArmTop(s))}},
    {23, "Lifting Arm Length", 33, false, 100, 250, {PT(P(s, 15)), PT(P(s, 17))}},
    {24, "Rev/Lift Arm Pivot Vert", 33, false, 100, 250, {PT(P(s, 17)), PT((Px{s.PivotScrX[17], s.PivotScrY[1]}))}},
    {25, "Rev/Lift Arm Pivot Horz", 33, false, 100, 250, {PT(P(s, 17)), PT((Px{s.PivotScrX[1], s.PivotScrY[17]}))}},
    {26, "Rev Arm to Cent Norm", 28, false, 200, 300,
     {PT((Px{ScreenX(s, double(s.RevArmSet[0]) - s.RevArmCentNorm), s.PivotScrY[18] + 5})),
      PT((Px{ScreenX(s, s.RevArmSet[0]), s.PivotScrY[18] + 5})),
      PT((Px{ScreenX(s, double(s.RevArmSet[0]) + s.RevArmCentNorm), s.PivotScrY[18] + 5}))}},
    {27, "Rev Arm to Cent Max", 28, false, 200, 300,
     {PT((Px{ScreenX(s, double(s.RevArmSet[0]) - s.RevArmCentMax), s.PivotScrY[18] + 5})),
      PT((Px{ScreenX(s, s.RevArmSet[0]), s.PivotScrY[18] + 5})),
      PT((Px{ScreenX(s, double(s.RevArmSet[0]) + s.RevArmCentMax), s.PivotScrY[18] + 5}))}},
    {28, "Link Cent Pivot  Vert", 33, false, 100, 212, {PT(P(s, 9)), PT(P(s, 24))}},
    {101, "Cyl ctr to Driver ctr", 28.5f, true, kKeep, kKeep, {PT(P(s, 1)), PT(CylFront(s))}},
    {102, "Cyl CL above Driver ctr", 55, false, -500, 285,
     {PT(CylFront(s)), PT((Px{CylFront(s).x, s.PivotScrY[3]}))}},
    {103, "Cylinder Bore Dia", 55, false, -500, 285, {PT(C(s, 5)), PT(C(s, 6))}},
    {104, "Cylinder Bore Length", 55, false, -500, 285, {PT(C(s, 6)), PT(C(s, 7))}},
    {105, "Cyl Steam Port Width", 55, false, -500, 285, {PT(C(s, 5)), PT((Px{W(s, 4).x, C(s, 5).y}))}},
    {106, "Piston ctr to Crosshead", 40, false, -250, 285,
     {PT(P(s, 3)), PT((Px{ScreenX(s, double(s.PivotX[3]) + s.PistonRodLen), s.PivotScrY[3]}))}},
    {107, "Piston Width", 55, false, -500, 285, {PT(Piston(s, 0)), PT(Piston(s, 3))}},
    {108, "Valve Surface to Cyl CL", 55, false, -500, 285,
     {PT((Px{C(s, 2).x + 5, C(s, 2).y})), PT((Px{C(s, 2).x + 5, s.PivotScrY[3]}))}},
    {109, "Valve Stem CL to Cyl CL", 55, false, -500, 285,
     {PT((Px{C(s, 2).x, s.PivotScrY[4]})), PT((Px{C(s, 2).x, s.PivotScrY[3]}))}},
    {110, "Exhaust Port  Width", 55, false, -500, 285, {PT(W(s, 1)), PT((Px{W(s, 8).x, W(s, 1).y}))}},
    {111, "Bridge Width   Rear", 55, false, -500, 285, {PT(W(s, 1)), PT(W(s, 2))}},
    {112, "Bridge Width   Front", 55, false, -500, 285, {PT(W(s, 7)), PT(W(s, 8))}},
    {113, "Steam Port Width  Rear", 55, false, -500, 285, {PT(C(s, 3)), PT(W(s, 2))}},
    {114, "Steam Port Width   Front", 55, false, -500, 285, {PT(C(s, 10)), PT(W(s, 7))}},
    {115, "Valve Chamber    Height", 55, false, -500, 285, {PT(C(s, 1)), PT(C(s, 2))}},
    {116, "Valve Chamber Length", 55, false, -500, 285, {PT(C(s, 2)), PT(C(s, 11))}},
    {117, "Valve Height", 55, false, -500, 285, {PT(V(s, 0)), PT(V(s, 7))}},
    {118, "Valve Length  Rear Half", 55, false, -500, 285, {PT(V(s, 0)), PT((Px{ValveMid(s), V(s, 0).y}))}},
    {119, "Valve Length   Front Half", 55, false, -500, 285, {PT(V(s, 1)), PT((Px{ValveMid(s), V(s, 1).y}))}},
    {120, "Valve Exh CavityRearHalf", 55, false, -500, 285, {PT(V(s, 6)), PT((Px{CavityMid(s), V(s, 6).y}))}},
    {121, "Valve ExhCavityFrontHalf", 55, false, -500, 285, {PT(V(s, 3)), PT((Px{CavityMid(s), V(s, 3).y}))}},
    {122, "Valve Stem", 55, false, -500, 285, {PT(P(s, 4)), PT((Px{CavityMid(s), s.PivotScrY[4]}))}},
}};

#undef PT

const MarkerRow* FindRow(int32_t no) {
    for (const MarkerRow& r : kRows)
        if (r.No == no) return &r;
    return nullptr;
}

void DrawHourglass(Canvas& c) {
    using Pts = std::initializer_list<std::array<int, 2>>;
    const auto polyline = [&c](Pts pts) {
        c.MoveTo(pts.begin()[0][0], pts.begin()[0][1]);
        for (auto it = pts.begin() + 1; it != pts.end(); ++it) c.LineTo((*it)[0], (*it)[1]);
    };
    c.SetPenColor(colors::Black);
    c.SetPenWidth(2);
    polyline({{20, 100}, {44, 100}, {44, 104}, {20, 104}, {20, 100}});
    polyline({{22, 100}, {22, 112}, {30, 120}, {30, 122}, {22, 130}, {22, 142}});
    polyline({{42, 100}, {42, 112}, {34, 120}, {34, 122}, {42, 130}, {42, 142}});
    polyline({{20, 142}, {44, 142}, {44, 138}, {20, 138}, {20, 142}});
    c.SetPenWidth(1);
    polyline({{24, 136}, {32, 127}});
    polyline({{39, 136}, {31, 127}});
    polyline({{31, 117}, {26, 111}, {37, 111}, {31, 118}});
}

// The travel rows draw their two halves in contrasting colours: after each half black
// becomes red and any other colour black.
Color Switched(Color c) { return c == colors::Black ? colors::Red : colors::Black; }

void DrawMarkerLine(Canvas& c, const State& s, const MarkerRow& row, Color pen) {
    const bool halves = row.No == 26 || row.No == 27;
    const Px first = row.Points[0](s);
    c.MoveTo(first.x, first.y);
    for (std::size_t i = 1; i < row.Points.size() && row.Points[i]; ++i) {
        const Px p = row.Points[i](s);
        c.LineTo(p.x, p.y);
        if (halves) c.SetPenColor(pen = Switched(pen));
    }
}

void EndMarker(State& s) {
    s.HighlightFrames = 0;
    s.HighlightBlink = 0;
    s.MarkerNo = 0;
    s.ViewScale = s.SavedViewScale;
    s.ViewOffsetX = s.SavedViewOffsetX;
    s.ViewOffsetY = s.SavedViewOffsetY;
}

MarkerView ViewOf(const ViewState& v, const MarkerRow& row) {
    return {F32(row.K / v.GraphicZoom * 7.5), row.KeepOffsets, row.OffsetX, row.OffsetY};
}

} // namespace

bool MarkerViewFor(const ViewState& v, int32_t markerNo, MarkerView& out) {
    const MarkerRow* row = FindRow(markerNo);
    if (row) out = ViewOf(v, *row);
    return row != nullptr;
}

const char* MarkerLabel(int32_t markerNo) {
    const MarkerRow* row = FindRow(markerNo);
    return row ? row->Label : nullptr;
}

MarkerOutcome DrawMarker(Canvas& c, State& s) {
    if (s.MarkerNo <= 0) return {};
    MarkerOutcome out;
    out.close = s.MarkerNo >= 100 ? MarkerEditor::Cylinder : MarkerEditor::Frame;
    s.MarkerReturn = out.close;
    DrawHourglass(c);
    if (s.HighlightFrames == 0) {
        s.SavedViewScale = s.ViewScale;
        s.SavedViewOffsetX = s.ViewOffsetX;
        s.SavedViewOffsetY = s.ViewOffsetY;
    }
    c.SetPenWidth(3);
    ++s.HighlightFrames;
    ++s.HighlightBlink;
    const Color pen = s.HighlightBlink <= kRedFrames ? colors::Red : colors::Black;
    c.SetPenColor(pen);
    const MarkerRow* row = FindRow(s.MarkerNo);
    if (row) {
        const MarkerView view = ViewOf(s, *row);
        s.ViewScale = view.Scale;
        if (!view.KeepOffsets) {
            s.ViewOffsetX = view.OffsetX;
            s.ViewOffsetY = view.OffsetY;
        }
        DrawMarkerLine(c, s, *row, pen);
        c.SetFont(colors::Black, 14, false); // only the line blinks
        c.TextOut(30, 75, row->Label);
        c.SetFont(colors::Black, 8, false);
    }
    if (s.HighlightBlink >= kBlinkPeriod) s.HighlightBlink = 0;
    if (s.HighlightFrames > kMarkerFrames || !row) {
        EndMarker(s);
        out.reopen = s.MarkerReturn;
    }
    return out;
}

void EndMarkerOnClick(MarkerState& m) {
    if (m.MarkerNo > 0) m.HighlightFrames = kEndedByClick;
}

} // namespace vt
