// The overlay rules; see Lines.h.
#include "model/Lines.h"

#include "model/Format.h"
#include "model/KeyFilter.h"
#include "model/PivotData.h"
#include "model/Real.h"

#include <algorithm>
#include <cmath>

namespace vt {

namespace {

constexpr int kLastEntry = kLineEntries - 1;
constexpr int kOverlayLastPivot = 26;
constexpr const char* kRefTexts[] = {"0 , 0", "Pivot1", "Piv1/0,0", "Piv1/P2"};

void Beep(State& s) {
    if (s.hooks.Beep) s.hooks.Beep();
}

bool RefPointsAtOrigin(const State& s) {
    return s.PivotX[19] == 0 && s.PivotY[19] == 0 && s.PivotX[20] == 0 && s.PivotY[20] == 0;
}

bool AllChosen(const State& s, const LinesDialogState& d) {
    return d.TypeChoice >= 0 && d.ColorChoice >= 0 && s.LineRefChoice >= 0;
}

void ClearChoices(State& s, LinesDialogState& d) {
    d.TypeChoice = d.ColorChoice = -1;
    s.LineRefChoice = -1;
}

// The entry the dialog works on, as an index that stays within the table.
int Current(const State& s) { return std::clamp(s.CurLineNo, 0, kLastEntry); }

// A converted value, as the field would show it and read it back: 3 decimals.
float ThreeDecimals(double v) {
    double parsed = v;
    ParseDecimal(FormatFixed(v, 7, 3), parsed);
    return F32(parsed);
}

// The pivot nearest to a reference point, and where it stood.
void TakePivot(State& s, int refPivot, float& pivot, float& refX, float& refY) {
    const int p = NearestPivot(s, s.PivotX[refPivot], s.PivotY[refPivot], kOverlayLastPivot);
    pivot = float(p);
    refX = s.PivotX[p];
    refY = s.PivotY[p];
}

const char* TypeText(float type) { return type == 0 ? "Line" : type == 1 ? "Circle" : ""; }

const char* ColorText(float value) {
    for (const LineColorFacts& c : kLineColorTable)
        if (c.value == value) return c.name;
    return "";
}

const char* RefText(float mode) {
    for (int m = 0; m < 4; ++m)
        if (mode == float(m)) return kRefTexts[m];
    return "";
}

void ShowFields(const State& s, LinesDialogState& d, int n) {
    for (int f = 0; f < kLineFields; ++f)
        d.Rows[n].Field[f] = FormatFixed(LineField(s, n, f), 7, 3);
}

} // namespace

float& LineField(State& s, int n, int f) {
    float* const fields[kLineFields] = {&s.LineP1Vert[n], &s.LineP1Horz[n], &s.LineP2Vert[n], &s.LineP2Horz[n]};
    return *fields[std::clamp(f, 0, kLineFields - 1)];
}

const float& LineField(const State& s, int n, int f) { return LineField(const_cast<State&>(s), n, f); }

void LinesFormActivate(State& s, LinesDialogState& d) {
    (void)d;
    if (s.LineRefChoice < 0) {
        s.LineP1Horz[0] = s.PivotX[19];
        s.LineP1Vert[0] = s.PivotY[19];
        return;
    }
    if (s.LineRefChoice == 0) return;
    s.CurLineNo = std::clamp(s.CurLineNo + 1, 1, kLastEntry);
    const int n = s.CurLineNo;
    TakePivot(s, 19, s.LinePivot1[n], s.LineRef1X[n], s.LineRef1Y[n]);
    if (s.LineRefChoice == 3) TakePivot(s, 20, s.LinePivot2[n], s.LineRef2X[n], s.LineRef2Y[n]);
}

void LineRowClick(State& s, LinesDialogState& d, int row) {
    s.CurLineNo = std::clamp(row, 1, kLastEntry);
    ClearChoices(s, d);
    d.DrawCloseEnabled = false;
}

LinesOutcome LineTypeClick(State& s, LinesDialogState& d, int type) {
    if (RefPointsAtOrigin(s)) {
        Beep(s);
        d.TypeChoice = -1;
        return LinesOutcome::Close;
    }
    d.TypeChoice = type;
    d.Rows[Current(s)].Type = TypeText(float(type));
    if (AllChosen(s, d)) d.DrawCloseEnabled = true;
    return LinesOutcome::Stay;
}

void LineColorClick(State& s, LinesDialogState& d, int color) {
    if (d.TypeChoice < 0) {
        d.ColorChoice = -1;
        Beep(s);
        return;
    }
    d.ColorChoice = std::clamp(color, 0, kLineColors - 1);
    d.Rows[Current(s)].Color = kLineColorTable[d.ColorChoice].name;
}

LinesOutcome LineRefClick(State& s, LinesDialogState& d, int mode) {
    if (d.TypeChoice < 0 || d.ColorChoice < 0) {
        s.LineRefChoice = -1;
        Beep(s);
        return LinesOutcome::Stay;
    }
    const int n = Current(s);
    const bool line = d.TypeChoice == 0;
    s.LineRefChoice = mode;
    s.LineP1Vert[n] = s.PivotY[19];
    s.LineP1Horz[n] = s.PivotX[19];
    s.LineP2Vert[n] = s.PivotY[20];
    s.LineP2Horz[n] = s.PivotX[20];
    if (mode != 2 || line) {
        if (mode > 0) s.PickPromptOn = true;
        d.Rows[n].Ref = kRefTexts[std::clamp(mode, 0, 3)];
        s.LineRefMode[n] = float(mode);
    }
    d.DrawCloseEnabled = true;
    if (mode >= 2 && !line) { // a circle is fixed or follows one pivot
        Beep(s);
        ClearLineClick(s, d);
        return LinesOutcome::Stay;
    }
    if (mode == 0) return LinesOutcome::Stay;
    s.CurLineNo = n - 1; // the next activation raises it back
    return LinesOutcome::Close;
}

void StoreLineEntry(State& s, LinesDialogState& d, int n) {
    const double mode = s.LineRefMode[n];
    const bool attached = mode >= 1;
    const auto offset = [](float& v, float by) { v = ThreeDecimals(double(v) - by); };
    if (attached) {
        offset(s.LineP1Vert[n], s.LineRef1Y[n]);
        offset(s.LineP1Horz[n], s.LineRef1X[n]);
    }
    if (s.LineType[n] == 1) {
        // Circle: the radius from the centre as it was picked, fixed (point 1) or entry 0.
        const double cx = attached ? s.LineP1Horz[0] : s.LineP1Horz[n];
        const double cy = attached ? s.LineP1Vert[0] : s.LineP1Vert[n];
        s.LineP2Horz[n] = ThreeDecimals(Dist(cx, cy, s.LineP2Horz[n], s.LineP2Vert[n]));
        ShowFields(s, d, n);
        d.Rows[n].Field[2].clear();
        return;
    }
    if (mode == 1) {
        offset(s.LineP2Vert[n], s.LineRef1Y[n]);
        offset(s.LineP2Horz[n], s.LineRef1X[n]);
    } else if (mode == 3) {
        offset(s.LineP2Vert[n], s.LineRef2Y[n]);
        offset(s.LineP2Horz[n], s.LineRef2X[n]);
    }
    ShowFields(s, d, n);
}

LinesOutcome DrawCloseClick(State& s, LinesDialogState& d) {
    const int n = Current(s);
    if (d.ColorChoice >= 0) s.LineColor[n] = kLineColorTable[d.ColorChoice].value;
    s.LineType[n] = float(d.TypeChoice);
    if (AllChosen(s, d)) StoreLineEntry(s, d, n);
    s.CurLineNo = Current(s) + 1;
    if (s.CurLineNo > kLastEntry) {
        s.CurLineNo = kLastEntry;
        Beep(s);
    }
    d.DrawCloseEnabled = false;
    s.PickPromptOn = false;
    ClearChoices(s, d);
    return LinesOutcome::Close;
}

void ClearLineClick(State& s, LinesDialogState& d) {
    const int n = Current(s);
    d.Rows[n] = LineRowTexts{};
    for (float* v : {&s.LineP1Vert[n], &s.LineP1Horz[n], &s.LineP2Vert[n], &s.LineP2Horz[n], &s.LineRef1X[n],
                     &s.LineRef1Y[n], &s.LineRef2X[n], &s.LineRef2Y[n]})
        *v = 0;
    s.LineType[n] = s.LineColor[n] = s.LineRefMode[n] = -1;
    ClearChoices(s, d);
    d.DrawCloseEnabled = false;
    s.PickPromptOn = false;
}

LinesOutcome LinesCloseClick(State& s, LinesDialogState& d) {
    ClearChoices(s, d);
    s.PickPromptOn = false;
    return LinesOutcome::Close;
}

bool AcceptLineFieldKey(const LinesDialogState& d, int row, int field, const std::string& text, char key) {
    if (field == 2 && row >= 0 && row < kLineEntries && d.Rows[row].Type == "Circle") return false;
    return AcceptNumberKey(text, key, true);
}

void LineFieldExit(State& s, LinesDialogState& d, int row, int field, const std::string& text) {
    if (row < 1 || row > kLastEntry || field < 0 || field >= kLineFields) return;
    d.Rows[row].Field[field] = text;
    double v = 0;
    // A text that is no number, or one beyond a float's range, keeps the value as it was.
    if (ParseDecimal(text, v) && std::isfinite(F32(v))) LineField(s, row, field) = F32(v);
}

void BlankLineLabels(LinesDialogState& d) {
    for (LineRowTexts& r : d.Rows) {
        r.Type.clear();
        r.Color.clear();
        r.Ref.clear();
    }
}

void RefreshLineRows(const State& s, LinesDialogState& d) {
    for (int n = 1; n <= kLastEntry; ++n) {
        LineRowTexts& r = d.Rows[n];
        if (s.LineColor[n] > -1) {
            ShowFields(s, d, n);
        } else {
            for (std::string& f : r.Field) f.clear();
        }
        r.Type = TypeText(s.LineType[n]);
        r.Color = ColorText(s.LineColor[n]);
        r.Ref = RefText(s.LineRefMode[n]);
    }
}

} // namespace vt
