// Pivot data; see PivotData.h.
#include "model/PivotData.h"

#include "model/Format.h"
#include "model/Real.h"
#include "model/Rounding.h"
#include "model/Solver.h"

#include <cmath>

namespace vt {

void SetPivotDataClick(State& s, ViewControls& v) {
    if (s.PivotDataOn) {
        s.PivotDataOn = false;
        return;
    }
    s.PivotDataOn = true;
    if (!s.RefPointsOn) RefPointsClick(s, v);
}

int NearestPivot(const State& s, double x, double y, int last) {
    int best = 0;
    double bestDistance = 10000;
    for (int p = 1; p <= last; ++p) {
        if (p == 19 || p == 20) continue;
        const double d = std::abs(s.PivotX[p] - x) + std::abs(s.PivotY[p] - y);
        if (d < bestDistance) {
            bestDistance = d;
            best = p;
        }
    }
    return best;
}

void MousePicksPivot(State& s, MouseButton button, int x, int y) {
    if (!s.PivotDataOn || !s.RefPointsOn || button != MouseButton::Left) return;
    if (s.PivotPickRow > 0) {
        s.PivotX[19] = F32((x - double(s.ViewOffsetX)) / s.ViewScale);
        s.PivotY[19] = F32(-(y - double(s.ViewOffsetY)) / s.ViewScale);
        s.PivotSel[s.PivotPickRow] = float(NearestPivot(s, s.PivotX[19], s.PivotY[19], 24));
        s.PivotPickRow = 0;
    }
    for (int k = 1; k <= 6; ++k) {
        const int top = RoundClamped(s.FontScaleY * (152.0 + 10 * (k - 1)), -kPixelLimit, kPixelLimit);
        const int bottom = RoundClamped(s.FontScaleY * (161.0 + 10 * (k - 1)), -kPixelLimit, kPixelLimit);
        const int right = RoundClamped(s.FontScaleX * 20.0, -kPixelLimit, kPixelLimit);
        if (top < y && y < bottom && 0 < x && x < right) {
            s.PivotPickRow = k;
            s.PivotSelOn[k] = 1;
        }
    }
}

std::string BuildPivotTable(State& s, const std::string& date, const std::string& time) {
    std::string t = "Pivot Data   " + s.DataSetName + "     " + date + "   " + time + "\n";
    t += "       Reverse Arm " + FormatField(s.RevArmPos, 7, 3) + "      Step Angle " +
         FormatField(s.StepAngle, 7, 3) + "\n";
    t += "  Driver         No.1                   No.2                   No.3                  "
         "No.4                   No.5                  No.6\n";
    t += "  Angle     Vert   Horz         Vert   Horz          Vert   Horz         Vert   Horz  "
         "        Vert   Horz         Vert   Horz\n";
    const float savedAngle = s.DriverAngle, savedStep = s.RunStep;
    s.DriverAngle = 0;
    s.RunStep = 0;
    // A step of at least 0.01 keeps the table within 36,001 rows whatever the state holds.
    const float step = s.StepAngle >= 0.01f ? s.StepAngle : 0.01f;
    do {
        SolveLinkage(s);
        std::string row = FormatField(s.DriverAngle, 7, 2);
        for (int k = 1; k <= 6; ++k) {
            const int p = RoundClamped(s.PivotSel[k], 0, kPivotCount - 1);
            row += "   " + FormatField(s.PivotY[p], k == 1 ? 7 : 9, 3) + "  " + FormatField(s.PivotX[p], 7, 3);
        }
        t += row + "\n";
        s.DriverAngle = s.DriverAngle + step; // single precision, as the rows accumulate
    } while (s.DriverAngle <= 360.0f);
    s.DriverAngle = savedAngle;
    s.RunStep = savedStep;
    return t;
}

} // namespace vt
