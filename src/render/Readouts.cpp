// The readouts stage. A readout placed at (a, b) is drawn at (round(a FontScaleX),
// round(b FontScaleY)); positions stated as pixels are not scaled.
#include "render/Readouts.h"

#include "model/DynVars.h"
#include "model/Format.h"
#include "model/Real.h"
#include "model/Rounding.h"
#include "model/View.h"

#include <cmath>
#include <string>

namespace vt {

namespace {

int Scaled(double a, float factor) { return RoundClamped(a * factor, -kPixelLimit, kPixelLimit); }

// Text at a readout position, scaled by the font factors.
void Label(Canvas& c, const State& s, double a, double b, const std::string& text) {
    c.TextOut(Scaled(a, s.FontScaleX), Scaled(b, s.FontScaleY), text);
}

std::string F(double v, int w, int d) { return FormatFixed(v, w, d); }

void UndoLine(Canvas& c, State& s) {
    const std::optional<int> top = UndoButtonTop(s);
    if (!top) return;
    BuildUndoStatus(s);
    // Both coordinates use the horizontal factor.
    const double b = s.DynVarsOn ? 128 : 73;
    c.TextOut(Scaled(320, s.FontScaleX), Scaled(b, s.FontScaleX), s.UndoStatusText);
}

void FixedReadouts(Canvas& c, const State& s) {
    const struct {
        double a, b;
        std::string text;
    } rows[] = {
        {199, 25, "Pan Vert"},
        {199, 39, "Pan Horz"},
        {199, 53, "Zoom"},
        {459, 25, "Rev Arm " + F(s.RevArmPos, 6, 3) + "  "},
        {459, 39, "Driv Ang " + F(s.DriverAngle, 6, 2) + "  "},
        {459, 53, "Step Ang" + F(s.StepAngle, 6, 2) + "  "},
        {545, 25, "Piston % " + F(s.PistonPos / 6.4 + 0.00001, 6, 2) + "  "},
        {545, 37, "ValveCen" + F(s.ValveTravel, 7, 3) + "  "},
        {545, 49, "ValveFSt" + F(s.FrontSteamOpening, 7, 3) + "  "},
        {545, 61, "ValveFEx" + F(s.FrontExhOpening, 7, 3) + "  "},
        {545, 73, "ValveRSt" + F(s.RearSteamOpening, 7, 3) + "  "},
        {545, 85, "ValveREx" + F(s.RearExhOpening, 7, 3) + "  "},
        {545, 97, "ExpLkAng" + F(s.LinkAngle * 180.0 / kPi, 7, 2) + "  "},
    };
    for (const auto& r : rows) Label(c, s, r.a, r.b, r.text);
}

int PivotOf(const State& s, int k) { return RoundClamped(s.PivotSel[k], 0, kPivotCount - 1); }

void PivotData(Canvas& c, const State& s) {
    c.TextOut(1, Scaled(128, s.FontScaleY), "    Pivot Data");
    c.TextOut(1, Scaled(138, s.FontScaleY), "No.  Vert     Horz");
    for (int k = 1; k <= 6; ++k) {
        const double y = 150 + 10 * (k - 1);
        c.SetFont(colors::Red, 8, false);
        Label(c, s, 3, y, std::to_string(k));
        c.SetFont(colors::Black, 8, false);
        if (s.PivotSelOn[k] == 1) {
            const int p = PivotOf(s, k);
            Label(c, s, 12, y, F(s.PivotY[p], 7, 3));
            Label(c, s, 50, y, F(s.PivotX[p], 7, 3));
            c.SetFont(colors::Red, 8, false);
            c.TextOut(ToPixel(s.PivotX[p] * double(s.ViewScale) + s.ViewOffsetX + 4),
                      ToPixel(-s.PivotY[p] * double(s.ViewScale) + s.ViewOffsetY - 12),
                      std::to_string(k));
            c.SetFont(colors::Black, 8, false);
        }
        if (k % 2 == 1 && s.PivotSelOn[k] == 1 && s.PivotSelOn[k + 1] == 1) {
            const int p = PivotOf(s, k), q = PivotOf(s, k + 1);
            Label(c, s, 90, y + 5, F(Dist(s.PivotX[p], s.PivotY[p], s.PivotX[q], s.PivotY[q]), 7, 3));
        }
    }
}

void PickPrompts(Canvas& c, const State& s) {
    const bool two = s.LineRefChoice == 3;
    c.SetFont(colors::Red, 8, true);
    Label(c, s, 10, 130, two ? "STOP MOTION AND SELECT PIVOT 1 AND PIVOT 2" : "STOP MOTION AND SELECT PIVOT 1");
    Label(c, s, 10, 143, two ? "USE LEFT MOUSE BUTTON FIRST THEN RIGHT" : "USE LEFT MOUSE BUTTON");
    Label(c, s, 10, 156, two ? "MOVE MOTION IF NECESSARY TO CLEAR PIVOTS"
                             : "MOVE MOTION IF NECESSARY TO CLEAR PIVOT");
    c.SetFont(colors::Black, 8, false);
}

// One end's cut-off: when its admission edge closes between two frames, the piston
// position at the closing is interpolated and shown for a while.
struct CutOffEnd {
    float& prevOpening;
    float opening;
    int32_t& show;
    std::string& text;
    bool rear;
    double row;
    const char* label;
};

void CutOff(Canvas& c, State& s, CutOffEnd e) {
    if (e.prevOpening > 0 && e.opening < 0) {
        e.show = RoundClamped(400.0 / (double(s.RunStep) + 0.1), -kPixelLimit, kPixelLimit);
        const double prev = s.PrevPistonPos;
        const double at = prev - (double(s.PistonPos) - prev) * e.prevOpening /
                                     (double(e.opening) - e.prevOpening);
        s.PrevPistonPos = F32(at);
        e.text = FormatFixed((e.rear ? 640.0 - s.PrevPistonPos : double(s.PrevPistonPos)) / 6.4, 4, 1);
    }
    if (s.RunStep != 0 && s.RunStep < 23) {
        Label(c, s, 545, e.row, e.label);
        if (e.show > 0) {
            Label(c, s, 600, e.row, e.text);
            --e.show;
        }
    }
}

void RefPointCross(Canvas& c, const State& s, int n) {
    const int x = ScreenX(s, s.PivotX[n]), y = ScreenY(s, s.PivotY[n]);
    c.MoveTo(x, y - 10);
    c.LineTo(x, y + 10);
    c.MoveTo(x - 10, y);
    c.LineTo(x + 10, y);
    c.TextOut(x + 3, y - 17, n == 19 ? "1" : "2");
}

void RefPoints(Canvas& c, const State& s, Color pen) {
    c.SetPenColor(pen);
    RefPointCross(c, s, 20);
    Label(c, s, 143, 95, "Pt2V " + F(s.PivotY[20], 6, 3));
    Label(c, s, 143, 107, "Pt2H " + F(s.PivotX[20], 6, 3));
    RefPointCross(c, s, 19);
    Label(c, s, 143, 71, "Pt1V " + F(s.PivotY[19], 6, 3));
    Label(c, s, 143, 83, "Pt1H " + F(s.PivotX[19], 6, 3));
    Label(c, s, 210, 71, F(double(s.PivotY[19]) - s.PivotY[20], 6, 3));
    Label(c, s, 210, 83, F(double(s.PivotX[19]) - s.PivotX[20], 6, 3));
    Label(c, s, 207, 95, "Pt1-Pt2");
    Label(c, s, 209, 107, F(Dist(s.PivotX[19], s.PivotY[19], s.PivotX[20], s.PivotY[20]), 6, 3));
}

void DynVarList(Canvas& c, const State& s) {
    if (s.DynVarName[1] != kEmptyDynVarName) {
        for (int i = 1; i <= 4; ++i) {
            const double y = 71 + 12 * (i - 1);
            Label(c, s, 377, y, s.DynVarName[i]);
            Label(c, s, 498, y, F(s.DynVarValue[i], 6, 3));
        }
        return;
    }
    c.SetFont(colors::Red, 8, false);
    Label(c, s, 377, 71, "*******************************");
    Label(c, s, 377, 81, "* First Select Dimensions *");
    Label(c, s, 377, 95, "*******************************");
    c.SetFont(colors::Black, 8, false);
}

} // namespace

std::optional<int> UndoButtonTop(const State& s) {
    if (!s.ScreenDataOn || !s.UndoOn) return std::nullopt;
    return Scaled(s.DynVarsOn ? 127 : 72, s.FontScaleX);
}

void DrawReadouts(Canvas& c, State& s, Color overlayPen) {
    c.SetFont(colors::Black, 8, false);
    UndoLine(c, s);
    if (!s.ScreenDataOn) return;
    FixedReadouts(c, s);
    if (s.PivotDataOn) PivotData(c, s);
    if (s.PickPromptOn) PickPrompts(c, s);
    CutOff(c, s, {s.PrevFrontSteamOpening, s.FrontSteamOpening, s.FrontCOShow, s.FrontCOText, false,
                  109, "FrontCO% "});
    CutOff(c, s, {s.PrevRearSteamOpening, s.RearSteamOpening, s.RearCOShow, s.RearCOText, true, 121,
                  "RearCO% "});
    s.PrevPistonPos = s.PistonPos;
    s.PrevFrontSteamOpening = s.FrontSteamOpening;
    s.PrevRearSteamOpening = s.RearSteamOpening;
    if (s.RefPointsOn) RefPoints(c, s, overlayPen);
    if (s.DynVarsOn) DynVarList(c, s);
}

} // namespace vt
