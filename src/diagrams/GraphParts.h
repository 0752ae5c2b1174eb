// What every graph window draws besides its diagram: the reverse-arm legend, the
// dynamic-variable block and the undo line; and the guard that puts the gear back.
#pragma once

#include "model/State.h"
#include "render/Canvas.h"

#include <array>
#include <string>

namespace vt {

// The graph windows' text: 8 points, black unless stated.
inline constexpr int kGraphFontSize = 8;
inline constexpr int kGraphFontPixels = 11; // its height in pixels at 96 dots per inch
// Blanks after the undo line, wider than any earlier text it replaces.
inline constexpr int kUndoLineBlanks = 46;

// Saves RevArmPos and DriverAngle and restores both when it goes out of scope, so that
// a diagram leaves the gear exactly where it found it.
class SavedGearPosition {
public:
    explicit SavedGearPosition(Mechanism& m)
        : m_(m), revArmPos_(m.RevArmPos), driverAngle_(m.DriverAngle) {}
    ~SavedGearPosition() {
        m_.RevArmPos = revArmPos_;
        m_.DriverAngle = driverAngle_;
    }
    SavedGearPosition(const SavedGearPosition&) = delete;
    SavedGearPosition& operator=(const SavedGearPosition&) = delete;

private:
    Mechanism& m_;
    float revArmPos_, driverAngle_;
};

// A text position a·FontScaleX or b·FontScaleY, rounded.
int TextX(const State& s, double a);
int TextY(const State& s, double b);

// The number of stored positions a diagram plots, kept within the array.
int PlottedPositions(const Mechanism& m);

// "Fwd", "Rev" or "Cen" for a stored position, by the gear's sense.
std::string DirectionWord(const Mechanism& m, float p);

// The colour of stored position k's curve (1..9), where a diagram tells its curves apart
// by colour: dark and far from each other and from the port lines' green and red.
inline constexpr std::array<Color, 9> kCurveColors = {{{0, 0, 255},
                                                      {230, 120, 0},
                                                      {140, 0, 170},
                                                      {0, 128, 128},
                                                      {140, 70, 20},
                                                      {255, 0, 255},
                                                      {0, 0, 110},
                                                      {128, 128, 0},
                                                      {100, 100, 100}}};
Color CurveColor(int k);

// "Reverse Arm Positions" and the "Center" row.
void DrawLegendHead(Canvas& c, const State& s);
// Row k: its number, direction word and position.
void DrawLegendRow(Canvas& c, const State& s, int k);
// Row k in its curve's colour, after a short stroke of the curve's pen: the key that
// tells which curve belongs to which position. Pen and font are black afterwards.
void DrawCurveLegendRow(Canvas& c, const State& s, int k);

// The dynamic-variable block, then the undo line (which also rebuilds UndoStatusText).
void DrawGraphFooter(Canvas& c, State& s);
// The footer of a pass that the next pass draws over: its texts would be written over by
// the next pass's, so only the undo line's rebuilding is left.
void PassGraphFooter(State& s);

// One step of a sweep: angle + step, brought back by 360 while above 360 (360 stays) or
// below 0. A sweep's angles lie within a step of the circle, so this is one turn at most.
float SweepAngle(float angle, float step);

} // namespace vt
