// Steam display. C, W, P and V are the section points of the tick (CylOutline 0-13 are
// C0-C13, 14-23 are W0-W9; PistonValve 1-4 are P0-P3, 6-13 are V0-V7); rnd(n) is a
// uniform integer in [0, n), 0 for an empty range.
#include "render/SteamDisplay.h"

#include "model/Guards.h"
#include "model/Rounding.h"

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

namespace vt {

namespace {

// A small fast generator (xorshift64), seeded once per steam stage. Multiply-shift takes
// the place of a modulo: as uniform for these small ranges, and the stage draws up to a
// million dots a frame.
class Dice {
public:
    explicit Dice(uint32_t seed) : x_(uint64_t(seed) << 32 | 0x9E3779B9u) {}
    int32_t operator()(int64_t n) { return Scale(uint32_t(Next() >> 32), n); }
    // Two draws from one step, for the two coordinates of a dot.
    std::pair<int32_t, int32_t> Pair(int64_t n1, int64_t n2) {
        const uint64_t r = Next();
        return {Scale(uint32_t(r >> 32), n1), Scale(uint32_t(r), n2)};
    }

private:
    uint64_t Next() {
        x_ ^= x_ << 13;
        x_ ^= x_ >> 7;
        x_ ^= x_ << 17;
        return x_;
    }
    static int32_t Scale(uint32_t r, int64_t n) {
        if (n <= 0) return 0;
        return int32_t((uint64_t(r) * uint64_t(std::min<int64_t>(n, INT32_MAX))) >> 32);
    }

    uint64_t x_;
};

// The section's pixels under the names the regions use.
struct Section {
    const State& s;
    int32_t Cx(int i) const { return s.CylOutlineX[i]; }
    int32_t Cy(int i) const { return s.CylOutlineY[i]; }
    int32_t Wx(int i) const { return s.CylOutlineX[14 + i]; }
    int32_t Wy(int i) const { return s.CylOutlineY[14 + i]; }
    int32_t Px(int i) const { return s.PistonValveX[1 + i]; }
    int32_t Vx(int i) const { return s.PistonValveX[6 + i]; }
    int32_t Vy(int i) const { return s.PistonValveY[6 + i]; }
    int32_t Y4() const { return s.PivotScrY[4]; }
};

// Sets the dots: straight into the canvas's pixels when it has them.
struct Painter {
    Canvas& c;
    State& s;
    Dice& rnd;
    Color color;
    PixelGrid grid = c.Pixels();

    void Dot(int64_t x, int64_t y) {
        if (!grid.bits) return c.SetPixel(int(std::clamp<int64_t>(x, INT32_MIN, INT32_MAX)),
                                          int(std::clamp<int64_t>(y, INT32_MIN, INT32_MAX)), color);
        if (grid.Contains(x, y)) grid.Set(x, y, PixelGrid::Pack(color));
    }

    // Reports the box [x, x + w) x [y, y + dy h) as written.
    void Written(int64_t x, int64_t w, int64_t y, int64_t h, int dy) {
        const auto clampInt = [](int64_t v) { return int(std::clamp<int64_t>(v, -1, INT32_MAX)); };
        const int64_t y2 = y + dy * std::max<int64_t>(h - 1, 0);
        c.PixelsWritten(clampInt(x), clampInt(std::min(y, y2)), clampInt(x + std::max<int64_t>(w - 1, 0)),
                        clampInt(std::max(y, y2)));
    }

    // n dots at (x + rnd(w), y + rnd(h)); dy = -1 draws upwards from y.
    void Box(int64_t n, int32_t x, int64_t w, int32_t y, int64_t h, int dy = 1) {
        if (n <= 0) return;
        if (grid.bits) {
            const uint32_t v = PixelGrid::Pack(color);
            for (int64_t i = 0; i < n; ++i) {
                const auto [rx, ry] = rnd.Pair(w, h);
                const int64_t px = int64_t(x) + rx, py = int64_t(y) + dy * ry;
                if (grid.Contains(px, py)) grid.Set(px, py, v);
            }
            return Written(x, w, y, h, dy);
        }
        for (int64_t i = 0; i < n; ++i) Dot(int64_t(x) + rnd(w), int64_t(y) + dy * rnd(h));
    }

    bool beeped = false;

    // A height that a region divides by: 0 becomes 1, with one beep for the frame
    // (beeps do not queue, so one per dot would only flood the sound).
    int32_t Divisor(int32_t h) {
        if (h != 0) return h;
        if (!beeped) ErrorBeep(s);
        beeped = true;
        return 1;
    }
};

int64_t Count(double v) { return RoundClamped(v, 0, kMaxDotsPerRegion); }

void LiveSteam(Painter& p, const Section& q, double scale) {
    p.color = colors::Red;
    const int64_t supply = Count(5.4 * scale), chest = Count(10.8 * scale);
    p.Box(supply, q.Cx(0), q.Cx(13) - q.Cx(0), q.Cy(0), q.Cy(2) - q.Y4(), -1);
    p.Box(chest, q.Cx(1), q.Cx(12) - q.Cx(1), q.Cy(0), q.Vy(0) - q.Cy(0));
    if (q.Cx(1) < q.Vx(0)) p.Box(chest, q.Cx(1), q.Vx(0) - q.Cx(1), q.Vy(0), q.Cy(2) - q.Vy(0));
    if (q.Vx(1) < q.Cx(12)) p.Box(chest, q.Vx(1), q.Cx(12) - q.Vx(1), q.Vy(0), q.Cy(2) - q.Vy(0));
}

// The end's quantity after this tick's admission or exhaust, kept in 25..2000.
void UpdateQuantity(float& steam, Color phase, float steamOpening, float exhOpening, float runStep) {
    double q = steam;
    if (phase == colors::Red) q += double(runStep) * 50.0 * (double(steamOpening) + 0.1);
    if (phase == colors::Blue) q -= double(runStep) * 60.0 * exhOpening;
    steam = static_cast<float>(std::clamp(q, 25.0, 2000.0));
}

// The passage from the port down to the cylinder: a slanted band of dots.
void Passage(Painter& p, const Section& q, int64_t n, bool front) {
    for (int64_t i = 0; i < n; ++i) {
        const int32_t height = p.Divisor(q.Cy(5) - q.Wy(3));
        const int32_t t = p.rnd(q.Cy(5) - q.Wy(3));
        const double f = double(t) / height;
        const int32_t x = front ? q.Wx(6) + ToPixel((q.Wx(5) - q.Wx(6)) * f) + p.rnd(q.Cx(8) - q.Wx(5))
                                : q.Wx(3) + ToPixel((q.Wx(4) - q.Wx(3)) * f) - p.rnd(q.Wx(4) - q.Cx(5));
        p.Dot(x, q.Wy(3) + t);
    }
    // The band lies between the passage's walls, from the port down to the bore.
    const int64_t x0 = front ? std::min(q.Wx(6), q.Wx(5)) : std::min(q.Wx(3), q.Cx(5));
    const int64_t x1 = front ? std::max(q.Wx(6), q.Cx(8)) : std::max(q.Wx(3), q.Wx(4));
    p.Written(x0, x1 - x0 + 1, q.Wy(3), q.Cy(5) - q.Wy(3) + 1, 1);
}

void FrontEnd(Painter& p, const Section& q, int64_t n) {
    if (q.Px(3) < q.Cx(7)) p.Box(n, q.Px(3), q.Cx(7) - q.Px(3), q.Cy(5), q.Cy(6) - q.Cy(5));
    Passage(p, q, n / 8, true);
    p.Box(n / 20, q.Wx(7), q.Cx(10) - q.Wx(7), q.Cy(2), q.Wy(6) - q.Cy(2));
}

void RearEnd(Painter& p, const Section& q, int64_t n) {
    if (q.Cx(5) < q.Px(0)) p.Box(n, q.Cx(5), q.Px(0) - q.Cx(5), q.Cy(5), q.Cy(6) - q.Cy(5));
    Passage(p, q, n / 8, false);
    p.Box(n / 20, q.Cx(3), q.Wx(2) - q.Cx(3), q.Cy(2), q.Wy(3) - q.Cy(2));
}

// Exhaust from one end: the valve cavity, the exhaust port, the pipe and the plume.
void Exhaust(Painter& p, const Section& q, int64_t n, bool open) {
    p.color = open ? colors::Blue : colors::White;
    const int32_t h = q.Cy(2) - q.Cy(0);
    const int32_t ew = q.Cx(13) - q.Cx(0);
    p.Box(n / 10, q.Vx(5), q.Vx(3) - q.Vx(5), q.Vy(4), q.Cy(2) - q.Vy(4));
    p.Box(n / 15, q.Wx(1), q.Wx(8) - q.Wx(1), q.Cy(2), q.Cy(2) - q.Y4());
    p.Box(n / 20, q.Cx(13), ew, q.Cy(0), h, -1);
    for (int64_t i = 0; i < n / 6; ++i) {
        const int32_t t = p.rnd(3 * int64_t(h));
        const double f = double(t) / p.Divisor(h);
        const int32_t a = p.rnd(ToPixel(ew * f * 2));
        p.Dot(ToPixel(a + q.Wx(7) - ew * f), int64_t(2) * q.Cy(0) - q.Cy(2) - t);
    }
    // The plume widens upwards from the pipe: 3 H high, up to 6 Ew wide.
    const int64_t top = int64_t(2) * q.Cy(0) - q.Cy(2);
    p.Written(int64_t(q.Wx(7)) - 3 * int64_t(ew), 6 * int64_t(ew) + 1, top, 3 * int64_t(h) + 1, -1);
}

void Legend(Canvas& c, const Section& q) {
    const int32_t x = q.Cx(6), y = q.Cy(6);
    const struct {
        const char* text;
        Color color;
        int dx, dy;
    } rows[] = {{"ADMISSION", colors::Red, -40, 5},
                {"EXPANSION", colors::Fuchsia, 40, 5},
                {"EXHAUST", colors::Blue, -40, 17},
                {"COMPRESSION", colors::DarkGreen, 24, 17}};
    for (const auto& r : rows) {
        c.SetFont(r.color, 8, false);
        c.TextOut(x + r.dx, y + r.dy, r.text);
    }
    c.SetFont(colors::Black, 8, false);
}

// One end's beat: armed while its exhaust is lapped (and no marker is shown), sounded on
// the next opening at the volume of the other end's quantity at its own last beat.
void Beat(State& s, float exhOpening, char& armed, float& saved, float steam, float other) {
    if (exhOpening < 0 && s.MarkerNo == 0) armed = '1';
    if (exhOpening > 0 && armed == '1') {
        armed = '0';
        saved = steam;
        if (auto level = BeatVolume(RoundClamped(other, -kPixelLimit, kPixelLimit)))
            if (s.hooks.SetWaveVolume) s.hooks.SetWaveVolume(uint32_t(*level) << 16 | *level);
        if (s.hooks.PlayExhaust) s.hooks.PlayExhaust();
    }
}

} // namespace

Color EndPhase(char& phase, float steamOpening, float exhOpening, Color start) {
    Color color = start;
    if (steamOpening > 0) {
        phase = 'E';
        color = colors::Red;
    }
    if (steamOpening <= 0 && phase == 'E') color = colors::Fuchsia;
    if (exhOpening > 0) {
        phase = 'C';
        color = colors::Blue;
    }
    if (exhOpening <= 0 && phase == 'C') color = colors::DarkGreen;
    return color;
}

std::optional<uint16_t> BeatVolume(int32_t v) {
    constexpr std::array<std::pair<int32_t, uint16_t>, 8> kTable{{{100, 0x0700},
                                                                  {200, 0x1400},
                                                                  {400, 0x2800},
                                                                  {600, 0x4000},
                                                                  {800, 0x5000},
                                                                  {1000, 0x6000},
                                                                  {1200, 0x7000},
                                                                  {2001, 0x8000}}};
    if (v < 24) return std::nullopt;
    for (const auto& [last, level] : kTable)
        if (v <= last) return level;
    return std::nullopt;
}

void DrawSteam(Canvas& c, State& s) {
    Dice rnd(s.hooks.RandomSeed ? s.hooks.RandomSeed() : 1u);
    const Section q{s};
    // Dot counts follow the zoom, never beyond its own limit: a design file may carry any
    // scale, and a frame must stay bounded work.
    const double scale = std::min(double(s.ViewScale), kMaxDotScale);
    Painter p{c, s, rnd, colors::Black};
    LiveSteam(p, q, scale);

    p.color = EndPhase(s.PhaseFront, s.FrontSteamOpening, s.FrontExhOpening, colors::Black);
    UpdateQuantity(s.SteamFront, p.color, s.FrontSteamOpening, s.FrontExhOpening, s.RunStep);
    const int64_t nf = Count(s.SteamFront * scale / 18.5);
    FrontEnd(p, q, nf);

    p.color = EndPhase(s.PhaseRear, s.RearSteamOpening, s.RearExhOpening, p.color);
    UpdateQuantity(s.SteamRear, p.color, s.RearSteamOpening, s.RearExhOpening, s.RunStep);
    const int64_t nr = Count(s.SteamRear * scale / 18.5);
    RearEnd(p, q, nr);

    Exhaust(p, q, nf, s.FrontExhOpening > 0);
    Exhaust(p, q, nr, s.RearExhOpening > 0);
    if (s.ScreenDataOn) Legend(c, q);

    Beat(s, s.FrontExhOpening, s.BeatArmedFront, s.BeatSteamFront, s.SteamFront, s.BeatSteamRear);
    Beat(s, s.RearExhOpening, s.BeatArmedRear, s.BeatSteamRear, s.SteamRear, s.BeatSteamFront);
}

} // namespace vt
