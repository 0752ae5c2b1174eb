// The control band's boxes; see ControlBand.h.
#include "model/ControlBand.h"

#include "model/Rounding.h"

namespace vt {

namespace {

// Classic client pixels: the band's width, the bottom of the control rows, where the
// readouts' column starts and ends, the bottom of the bar rows and of the undo line.
constexpr int kBandRight = 632, kRowsBottom = 71, kReadoutsLeft = 539, kReadoutsBottom = 138;
constexpr int kBarRowsBottom = 124, kUndoLeft = 280, kUndoBottom = 145;

} // namespace

std::array<BandBox, 4> ControlBand(const State& s) {
    std::array<BandBox, 4> boxes{};
    if (!s.ScreenDataOn) return boxes;
    const auto x = [&s](int v) { return ToPixel(v * double(s.FontScaleX)); };
    const auto y = [&s](int v) { return ToPixel(v * double(s.FontScaleY)); };
    boxes[0] = {0, 0, x(kBandRight), y(kRowsBottom)};
    boxes[1] = {x(kReadoutsLeft), 0, x(kBandRight), y(kReadoutsBottom)};
    if (s.RefPointsOn || s.DynVarsOn)
        boxes[2] = {0, y(kRowsBottom), x(kReadoutsLeft), y(kBarRowsBottom)};
    if (s.UndoOn) boxes[3] = {x(kUndoLeft), y(kRowsBottom), x(kReadoutsLeft), y(kUndoBottom)};
    return boxes;
}

} // namespace vt
