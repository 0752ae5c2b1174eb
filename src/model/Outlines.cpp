// Cylinder, steam chest, port, piston and valve outlines in screen pixels.
// Points 0-13 of the cylinder trace the outer wall, 14-23 the inner wall.
#include "model/Outlines.h"

#include "model/View.h"

#include <cstddef>

namespace vt {

namespace {

struct ModelPoint {
    double x, y;
};

template <std::size_t N>
void StorePoints(const ViewState& v, const ModelPoint (&pts)[N], int32_t (&sx)[N], int32_t (&sy)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        sx[i] = ScreenX(v, pts[i].x);
        sy[i] = ScreenY(v, pts[i].y);
    }
}

} // namespace

void BuildCylinderOutline(State& s) {
    const double xc = s.CylCtrToDriverCtr;
    const double h = s.ExhPortWidth / 2.0;
    const double yc = s.PivotY[3];
    const double f0 = yc + s.ValveSurfaceToCylCL; // port face
    const double top = f0 + s.ValveChamberHeight;
    const double r = s.CylBoreDia / 2.0;
    const double l = s.CylBoreLen / 2.0;
    const double c = s.ValveChamberLen / 2.0;
    const double rearPort = xc - h - s.BridgeWidthRear - s.SteamPortWidthRear;
    const double frontPort = xc + h + s.BridgeWidthFront + s.SteamPortWidthFront;
    const double rearBridge = xc - h - s.BridgeWidthRear;
    const double frontBridge = xc + h + s.BridgeWidthFront;
    const double ex = s.ExhPortWidth;
    const ModelPoint pts[kCylOutlinePoints] = {
        {xc - h, top},
        {xc - c, top},
        {xc - c, f0},
        {rearPort, f0},
        {rearPort, f0 - ex / 3.0},
        {xc - l, yc + r},
        {xc - l, yc - r},
        {xc + l, yc - r},
        {xc + l, yc + r},
        {frontPort, f0 - ex / 3.0},
        {frontPort, f0},
        {xc + c, f0},
        {xc + c, top},
        {xc + h, top},
        {xc - h, f0 - s.SteamPortWidthRear},
        {xc - h, f0},
        {rearBridge, f0},
        {rearBridge, f0 - ex / 1.5},
        {xc - l + s.CylSteamPortWidth, yc + r},
        {xc + l - s.CylSteamPortWidth, yc + r},
        {frontBridge, f0 - ex / 1.5},
        {frontBridge, f0},
        {xc + h, f0},
        {xc + h, f0 - s.SteamPortWidthRear},
    };
    StorePoints(s, pts, s.CylOutlineX, s.CylOutlineY);
}

void BuildPistonValveOutline(State& s) {
    const double yc = s.PivotY[3];
    const double f0 = yc + s.ValveSurfaceToCylCL;
    const double r = s.CylBoreDia / 2.0;
    const double xp = double(s.PivotX[3]) + s.PistonRodLen; // piston centre
    const double w = s.PistonWidth / 2.0;
    const double xv = double(s.PivotX[4]) + s.ValveStemLen; // valve centre
    const double top = f0 + s.ValveHeight;
    const ModelPoint pts[kPistonValvePoints] = {
        {xp + w, yc},
        {xp - w, yc + r},
        {xp - w, yc - r},
        {xp + w, yc - r},
        {xp + w, yc + r},
        {xv - s.ValveLenRear, s.PivotY[4]},
        {xv - s.ValveLenRear, top},
        {xv + s.ValveLenFront, top},
        {xv + s.ValveLenFront, f0},
        {xv + s.ValveExhCavityFront, f0},
        {xv + s.ValveExhCavityFront, 0}, // cavity top, set in pixels below
        {xv - s.ValveExhCavityRear, 0},
        {xv - s.ValveExhCavityRear, f0},
        {xv - s.ValveLenRear, f0},
    };
    StorePoints(s, pts, s.PistonValveX, s.PistonValveY);
    // The cavity reaches a third of the way down from the valve's top to the port face;
    // the division truncates towards zero like the integer arithmetic it stands for.
    const int32_t cavityTop = s.PistonValveY[6] + (s.PistonValveY[8] - s.PistonValveY[6]) / 3;
    s.PistonValveY[10] = cavityTop;
    s.PistonValveY[11] = cavityTop;
}

} // namespace vt
