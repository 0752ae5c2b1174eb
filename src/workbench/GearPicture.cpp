// The gear's picture: the sweep of a turn, the section's frame, the lines and pins, and
// their drawing on a Canvas.
#include "workbench/GearPicture.h"

#include "gears/VectorState.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vt::wb {

using gears::BodyRole;
using gears::GearDesign;
using gears::GearPose;

namespace {

constexpr Color kSectionColour{90, 90, 90};
constexpr Color kPistonColour{0, 0, 0};
constexpr Color kValveColour{0, 0, 160};

Color Lighter(Color c) {
    auto up = [](uint8_t v) { return uint8_t(v + (255 - v) * 2 / 3); };
    return {up(c.r), up(c.g), up(c.b)};
}

int Round(double v) {
    return int(std::lround(std::clamp(v, -1e9, 1e9)));
}

// Every kind's third pin is the crosshead.
constexpr int kCrosshead = 2;

// The pin on the valve spindle's line: the horizontal guide's pin that is not the
// crosshead, or -1.
int ValveLinePin(const gears::GearKind& k) {
    for (const auto& g : k.Guides())
        if (g.Kind == gears::GuideKind::Horizontal && g.Pin != kCrosshead) return g.Pin;
    return -1;
}

void Rect(std::vector<Line>& out, double x0, double y0, double x1, double y1, Color c) {
    const Vec2 p[4] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
    for (int i = 0; i < 4; ++i)
        out.push_back({p[i], p[(i + 1) % 4], c, Layer::Section});
}

// The cylinder and its piston: a bore of 0.7 strokes, the piston a tenth of a stroke
// thick, its rod to the crosshead.
void AddCylinder(std::vector<Line>& out, const SectionFrame& f, const Vec2& crosshead) {
    const double s = f.Stroke, bore = 0.7 * s, thick = 0.1 * s, y = f.CylinderY;
    const double c = f.Face.Centre, half = s / 2 + thick / 2 + 0.05 * s;
    Rect(out, c - half, y - bore / 2, c + half, y + bore / 2, kSectionColour);
    const double piston = c + (crosshead.x() - f.CrossheadMid);
    Rect(out, piston - thick / 2, y - bore / 2, piston + thick / 2, y + bore / 2, kPistonColour);
    out.push_back({crosshead, {piston - thick / 2, y}, kPistonColour, Layer::Section});
}

// Vertical hatching across one end, from x0 to x1, a tenth of the bore apart.
void AddSteam(std::vector<Line>& out, const SectionFrame& f, double x0, double x1, Steam s) {
    if (s == Steam::None) return;
    const double bore = 0.7 * f.Stroke, gap = bore / 10, y = f.CylinderY;
    for (double x = x0 + gap / 2; x < x1; x += gap)
        out.push_back({{x, y - bore / 2}, {x, y + bore / 2}, SteamColour(s), Layer::Steam});
}

// The ends between the cylinder's covers and the piston: the front end grows while the
// crosshead moves to the rear.
void AddEnds(std::vector<Line>& out, const SectionFrame& f, const Vec2& crosshead, double valve,
             int motion) {
    const double s = f.Stroke, thick = 0.1 * s, c = f.Face.Centre,
                 half = s / 2 + thick / 2 + 0.05 * s;
    const double piston = c + (crosshead.x() - f.CrossheadMid);
    const gears::Openings o = gears::OpeningsAt(f.Face, valve);
    AddSteam(out, f, piston + thick / 2, c + half, EndSteam(o.FrontSteam, o.FrontExhaust, -motion));
    AddSteam(out, f, c - half, piston - thick / 2, EndSteam(o.RearSteam, o.RearExhaust, motion));
}

// The port face under the valve: the face's line broken by the rear steam port, the
// exhaust port and the front steam port (rear is -X); the valve above it with its cavity.
void AddValve(std::vector<Line>& out, const SectionFrame& f, double valve) {
    const auto& pf = f.Face;
    const double c = pf.Centre, h = std::max(0.15 * f.Stroke, 1e-9), y = f.ValveY - h;
    const double e0 = c - pf.ExhPortWidth / 2, e1 = c + pf.ExhPortWidth / 2;
    const double r1 = e0 - pf.BridgeRear, r0 = r1 - pf.SteamPortRear;
    const double f0 = e1 + pf.BridgeFront, f1 = f0 + pf.SteamPortFront;
    const double edges[] = {r0 - h, r0, r1, e0, e1, f0, f1, f1 + h};
    for (int i = 0; i < 8; i += 2)
        out.push_back({{edges[i], y}, {edges[i + 1], y}, kSectionColour, Layer::Section});
    for (int i = 1; i < 7; ++i)
        out.push_back({{edges[i], y}, {edges[i], y - h}, kSectionColour, Layer::Section});
    const double v = c + valve, a = v - pf.LenRear, b = v + pf.LenFront;
    const double ca = v - pf.CavityRear, cb = v + pf.CavityFront, top = y + h;
    const Vec2 outline[] = {{a, y},          {a, top},        {b, top}, {b, y}, {cb, y},
                            {cb, y + h / 2}, {ca, y + h / 2}, {ca, y},  {a, y}};
    for (int i = 0; i + 1 < 9; ++i)
        out.push_back({outline[i], outline[i + 1], kValveColour, Layer::Section});
}

} // namespace

TurnSweep SweepTurn(const GearDesign& d, double setting, int steps) {
    TurnSweep t;
    const auto solver = d.Kind->MakeSolver(d);
    gears::ClearUpperVectorState();
    t.Poses.reserve(std::size_t(steps));
    for (int i = 0; i < steps; ++i) {
        GearPose p = solver->Solve(360.0 * i / steps, setting);
        if (!p.Ok()) {
            if (!t.Failed) t.Failed = p.Failed;
            continue;
        }
        for (int k = 0; k < p.PinCount; ++k)
            t.Pins.Add(p.Pin(k));
        t.CrossheadMin = t.Poses.empty() ? p.Crosshead : std::min(t.CrossheadMin, p.Crosshead);
        t.CrossheadMax = t.Poses.empty() ? p.Crosshead : std::max(t.CrossheadMax, p.Crosshead);
        t.Poses.push_back(p);
    }
    return t;
}

// The valve spindle from the gear's pin on its line to the valve's rear face, so that the
// valve in its chest is seen driven by the gear.
void AddSpindle(std::vector<Line>& out, const SectionFrame& f, const Vec2& pin, double valve) {
    const double h = std::max(0.15 * f.Stroke, 1e-9);
    const Vec2 rear(f.Face.Centre + valve - f.Face.LenRear, f.ValveY - h / 2);
    out.push_back({pin, rear, RoleColour(BodyRole::ValveSpindle), Layer::Section});
}

SectionFrame FrameOf(const GearDesign& d, const TurnSweep& turn) {
    SectionFrame f;
    f.Face = d.Kind->Face(d);
    const auto& k = *d.Kind;
    const int valve = ValveLinePin(k);
    if (turn.Poses.empty() || valve < 0) return f;
    const GearPose& p = turn.Poses.front();
    f.CylinderY = p.Pin(kCrosshead).y();
    f.CrossheadMid = (turn.CrossheadMin + turn.CrossheadMax) / 2;
    f.Stroke = turn.CrossheadMax - turn.CrossheadMin;
    // The steam chest at the valve spindle's line, but never inside the bore (0.7 strokes):
    // a spindle at the cylinder's own height (an inside gear's rocker shaft) still shows
    // the valve above the cylinder.
    f.ValveY = std::max(p.Pin(valve).y(), f.CylinderY + 0.5 * f.Stroke);
    f.Known = f.Stroke > 0;
    return f;
}

Box GearPicture::Extent() const {
    Box b;
    for (const Line& l : Lines)
        b.Add(l.A), b.Add(l.B);
    for (const Pin& p : Pins)
        b.Add(p.At);
    return b;
}

Color RoleColour(BodyRole role) {
    static constexpr std::array<Color, 15> kColours{{
        {128, 128, 128}, // Frame
        {0, 0, 0},       // Crank
        {200, 0, 0},     // Eccentric
        {200, 0, 0},     // ReturnCrank
        {220, 90, 0},    // EccentricRod
        {60, 60, 60},    // MainRod
        {60, 60, 60},    // Crosshead
        {0, 130, 0},     // Link
        {0, 90, 200},    // RadiusRod
        {150, 0, 170},   // Lever
        {0, 150, 150},   // UnionLink
        {0, 0, 160},     // ValveSpindle
        {0, 0, 160},     // ValveRod
        {140, 100, 20},  // LiftingGear
        {170, 0, 90},    // Rocker
    }};
    return kColours[std::size_t(role)];
}

Steam EndSteam(double steamOpening, double exhaustOpening, int growing) {
    if (steamOpening > 0) return Steam::Admission;
    if (exhaustOpening > 0) return Steam::Exhaust;
    return growing > 0 ? Steam::Expansion : growing < 0 ? Steam::Compression : Steam::None;
}

Color SteamColour(Steam s) {
    switch (s) {
    case Steam::Admission:
        return colors::Red;
    case Steam::Expansion:
        return colors::Fuchsia;
    case Steam::Exhaust:
        return colors::Blue;
    case Steam::Compression:
        return colors::DarkGreen;
    case Steam::None:
        break;
    }
    return colors::White;
}

GearPicture PictureOf(const GearDesign& d, const GearPose& p, const SectionFrame& f, int motion) {
    GearPicture pic;
    const auto& k = *d.Kind;
    for (const auto& b : k.Bodies()) {
        if (b.Role == BodyRole::Frame || b.Pins.size() < 2) continue;
        const std::size_t n = b.Pins.size(), edges = n == 2 ? 1 : n;
        for (std::size_t i = 0; i < edges; ++i)
            pic.Lines.push_back({p.Pin(b.Pins[i]), p.Pin(b.Pins[(i + 1) % n]), RoleColour(b.Role)});
    }
    if (f.Known) {
        const Vec2& crosshead = p.Pin(kCrosshead);
        AddEnds(pic.Lines, f, crosshead, p.Valve, motion);
        AddCylinder(pic.Lines, f, crosshead);
        AddValve(pic.Lines, f, p.Valve);
        AddSpindle(pic.Lines, f, p.Pin(ValveLinePin(k)), p.Valve);
    }
    const auto pins = k.Pins();
    for (int i = 0; i < p.PinCount && std::size_t(i) < pins.size(); ++i)
        pic.Pins.push_back({p.Pin(i), pins[std::size_t(i)].Fixed, colors::Black});
    return pic;
}

void DrawPicture(Canvas& c, const GearPicture& pic, const GearView& v, bool ghost, int pinRadius) {
    auto colour = [ghost](Color x) { return ghost ? Lighter(x) : x; };
    for (const Line& l : pic.Lines) {
        const Vec2 a = ToPixel(v, l.A), b = ToPixel(v, l.B);
        c.SetPenColor(colour(l.Colour));
        c.SetPenWidth(ghost || l.On != Layer::Body ? 1 : 2);
        c.MoveTo(Round(a.x()), Round(a.y()));
        c.LineTo(Round(b.x()), Round(b.y()));
    }
    c.SetPenWidth(1);
    for (const Pin& p : pic.Pins) {
        const Vec2 q = ToPixel(v, p.At);
        const int x = Round(q.x()), y = Round(q.y());
        c.SetPenColor(colour(p.Colour));
        for (int r = pinRadius; r <= pinRadius + (p.Fixed ? 3 : 0); r += 3)
            c.Ellipse(x - r, y - r, x + r + 1, y + r + 1);
    }
}

void DrawLengthMark(Canvas& c, const Vec2& a, const Vec2& b, const GearView& v) {
    const Vec2 pa = ToPixel(v, a), pb = ToPixel(v, b);
    const Vec2 along = pb - pa;
    if (along.norm() == 0) return;
    const Vec2 tick = gears::Perp(along.normalized()) * 8;
    c.SetPenColor({255, 0, 200});
    c.SetPenWidth(4);
    c.MoveTo(Round(pa.x()), Round(pa.y()));
    c.LineTo(Round(pb.x()), Round(pb.y()));
    c.SetPenWidth(2);
    for (const Vec2& e : {pa, pb}) {
        c.MoveTo(Round((e - tick).x()), Round((e - tick).y()));
        c.LineTo(Round((e + tick).x()), Round((e + tick).y()));
    }
}

} // namespace vt::wb
