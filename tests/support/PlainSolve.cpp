// See PlainSolve.h. The guards clamp as the solver's do but never beep.
#include "support/PlainSolve.h"

#include <cmath>
#include <numbers>

namespace vt::test {

namespace {

constexpr double kPi = std::numbers::pi;

struct Plain {
    State& s;
    float* X = s.PivotX;
    float* Y = s.PivotY;

    double Root(double e) {
        s.CalcValue = float(e);
        if (s.CalcValue < 0) s.CalcValue = -s.CalcValue;
        return std::sqrt(double(s.CalcValue));
    }
    double Div(double d) {
        s.CalcDenom = float(d);
        if (s.CalcDenom >= 0 && s.CalcDenom < 0.00001f) s.CalcDenom = 0.00001f;
        if (s.CalcDenom < 0 && s.CalcDenom > -0.00001f) s.CalcDenom = -0.00001f;
        return s.CalcDenom;
    }
    double ArcCos(double c) {
        s.CalcValue = float(c);
        if (s.CalcValue > 0.999999f) s.CalcValue = 0.999999f;
        if (s.CalcValue < -0.999999f) s.CalcValue = -0.999999f;
        const double w = s.CalcValue;
        return kPi / 2 - std::atan(w / std::sqrt(1 - w * w));
    }
    double Distance(int a, int b) const {
        return std::hypot(double(X[a]) - X[b], double(Y[a]) - Y[b]);
    }

    void DrivenPoints() {
        const double r = s.StrokeLen / 2.0, e = s.EccCircleDia / 2.0;
        const double theta = s.DriverAngle * kPi / 180;
        Y[4] = float(double(Y[3]) + s.ValveStemToCylCL);
        X[18] = s.RevArmPos;
        X[2] = float(X[1] + r * std::cos(theta));
        Y[2] = float(Y[1] - r * std::sin(theta));
        const double a = (double(s.EccFwdAngle) - s.DriverAngle) * kPi / 180;
        X[12] = float(X[1] + e * std::cos(a));
        Y[12] = float(Y[1] + e * std::sin(a));
        const double b = (-double(s.DriverAngle) - s.EccRevAngle) * kPi / 180;
        X[13] = float(X[1] + e * std::cos(b));
        Y[13] = float(Y[1] + e * std::sin(b));
        X[3] = float(X[2] + Root(std::pow(s.MainRodLen, 2) - std::pow(double(Y[2]) - Y[3], 2)));
        Y[18] = float(Y[17] + Root(std::pow(s.RevArmLen, 2) + std::pow(s.RevArmBackSet, 2) -
                                   std::pow(double(X[17]) - X[18], 2)));
        s.CalcAngle = float(std::atan((double(X[18]) - X[17]) / Div(double(Y[17]) - Y[18])));
        s.CalcAngle = float(s.CalcAngle - std::atan(s.RevArmBackSet / Div(s.RevArmLen)));
        X[15] = float(X[17] + std::cos(s.CalcAngle) * s.LiftingArmLen);
        Y[15] = float(Y[17] + std::sin(s.CalcAngle) * s.LiftingArmLen);
    }

    // Steps S1-S9 for the present trial Y10.
    void LinkPass() {
        X[10] =
            float(X[12] + Root(std::pow(s.EccRodFwdLen, 2) - std::pow(double(Y[12]) - Y[10], 2)));
        const double d = Distance(10, 13);
        s.CalcValue =
            float((d * d + std::pow(s.EccRodRevLen, 2) - std::pow(2.0 * s.LinkEccRodPivotVert, 2)) /
                  2 / d / Div(s.EccRodRevLen));
        s.CalcAngle = float(std::atan((double(Y[10]) - Y[13]) / Div(double(X[10]) - X[13])));
        const double a = ArcCos(s.CalcValue) - s.CalcAngle;
        X[11] = float(X[13] + std::cos(a) * s.EccRodRevLen);
        Y[11] = float(Y[13] - std::sin(a) * s.EccRodRevLen);
        s.LinkAngle = float(std::atan((double(X[10]) - X[11]) / Div(double(Y[10]) - Y[11])));
        const double k = double(s.LinkRadius) - s.LinkEccRodPivotBackSet;
        X[14] = float((double(X[10]) + X[11]) / 2 - std::cos(s.LinkAngle) * k);
        Y[14] = float((double(Y[10]) + Y[11]) / 2 + std::sin(s.LinkAngle) * k);
        const double m = double(s.LinkRadius) - s.LinkCentPivotBackSet;
        s.CalcAngle = float(std::atan(s.LinkCentPivotVert / Div(m)));
        const double q = std::sqrt(std::pow(s.LinkCentPivotVert, 2) + m * m);
        X[9] = float(X[14] + std::cos(double(s.LinkAngle) + s.CalcAngle) * q);
        Y[9] = float(Y[14] - std::sin(double(s.LinkAngle) + s.CalcAngle) * q);
        X[24] = float(X[14] + std::cos(s.LinkAngle) * m);
        Y[24] = float(Y[14] - std::sin(s.LinkAngle) * m);
        s.LiftLinkSpan = float(Distance(15, 9));
    }

    bool Search() {
        s.SearchStep = 0.5f;
        Y[10] = float(Y[15] + s.LinkEccRodPivotVert - 0.6 * s.LiftingLinkLen);
        for (int pass = 0;;) {
            LinkPass();
            if (s.LiftLinkSpan < s.LiftingLinkLen) Y[10] = float(Y[10] - s.SearchStep);
            if (++pass > 1000) return false;
            if (s.LiftLinkSpan < s.LiftingLinkLen) continue;
            Y[10] = float(Y[10] + 0.8 * s.SearchStep);
            s.SearchStep = float(0.2 * s.SearchStep);
            if (s.SearchStep <= s.SolveTol) return true;
        }
    }

    void RockerAndValve() {
        const double d = Distance(7, 14);
        s.CalcValue = float((std::pow(s.LinkRadius, 2) + d * d - std::pow(s.RockerLowerLen, 2)) /
                            2 / Div(s.LinkRadius) / d);
        s.CalcAngle = float(std::atan((double(Y[7]) - Y[14]) / Div(double(X[7]) - X[14])));
        const double b = ArcCos(s.CalcValue) - s.CalcAngle;
        X[8] = float(X[14] + std::cos(b) * s.LinkRadius);
        Y[8] = float(Y[14] - std::sin(b) * s.LinkRadius);
        X[23] = float(X[7] + (double(X[7]) - X[8]) * s.RockerUpperLen / Div(s.RockerLowerLen));
        Y[23] = float(Y[7] + (double(Y[7]) - Y[8]) * s.RockerUpperLen / Div(s.RockerLowerLen));
        s.CalcAngle = float(std::atan((double(X[7]) - X[23]) / Div(double(Y[23]) - Y[7])));
        X[5] = float(X[23] - std::cos(s.CalcAngle) * s.RockerUpperBackSet);
        Y[5] = float(Y[23] - std::sin(s.CalcAngle) * s.RockerUpperBackSet);
        X[4] = float(X[5] + Root(std::pow(s.ValveConRodLen, 2) - std::pow(double(Y[5]) - Y[4], 2)));
        const double h = s.EccDia / 2.0;
        X[21] = float(X[12] + h);
        Y[21] = float(Y[12] - (h / Div(s.EccRodFwdLen)) * (double(Y[12]) - Y[10]));
        X[22] = float(X[13] + h);
        Y[22] = float(Y[13] - (h / Div(s.EccRodRevLen)) * (double(Y[13]) - Y[11]));
    }
};

} // namespace

State PlainSolve(State s) {
    Plain p{s};
    p.DrivenPoints();
    if (p.Search()) p.RockerAndValve();
    return s;
}

float PlainMidGear(State s) {
    s.DriverAngle = 90;
    s.PivotX[18] = float(double(s.PivotX[17]) - s.RevArmBackSet);
    s.RevArmPos = s.PivotX[18];
    s = PlainSolve(s);
    const float* X = s.PivotX;
    const float* Y = s.PivotY;
    const double d = std::hypot(double(X[24]) - X[17], double(Y[8]) - Y[17]);
    if (s.LiftingArmLen == 0) s.LiftingArmLen = 0.00001f;
    double c = (std::pow(s.LiftingArmLen, 2) + d * d -
                std::pow(double(s.LiftingLinkLen) - s.LinkCentPivotVert, 2)) /
               2 / s.LiftingArmLen / d;
    double phi = std::atan((double(Y[17]) - Y[8]) / (double(X[24]) - X[17]));
    if (s.LiftingArmLen < 0) phi = phi - kPi;
    if (c >= 1) c = 0.999999;
    const double psi = std::atan(c / std::sqrt(1 - c * c)) + phi - kPi / 2;
    return float(std::sin(psi) * s.RevArmLen + X[17] - s.RevArmBackSet);
}

} // namespace vt::test
