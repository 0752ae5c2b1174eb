// Setting dialog rules; see SettingRules.h.
#include "model/SettingRules.h"

#include "model/Format.h"
#include "model/MidGear.h"
#include "model/Real.h"
#include "model/Rounding.h"

#include <algorithm>
#include <cmath>

namespace vt {

namespace {

std::string Prefixed(const char* prefix, double v) { return prefix + FormatField(v, 5, 3); }

// A typed number, or the current value when the text is no number.
double Typed(const std::string& text, double current) {
    double v = current;
    return ParseDecimal(text, v) ? v : current;
}

} // namespace

std::array<std::string, 5> RevArmPositionTexts(const State& s) {
    const double cen = s.RevArmSet[0], norm = s.RevArmCentNorm, max = s.RevArmCentMax;
    const bool agree = SenseIsDirect(s);
    return {Prefixed("Rev = ", agree ? cen - norm : cen + norm), Prefixed("Cen = ", cen),
            Prefixed("Fwd = ", agree ? cen + norm : cen - norm),
            agree ? Prefixed("Min = ", cen - max) : Prefixed("Max = ", cen + max),
            agree ? Prefixed("Max = ", cen + max) : Prefixed("Min = ", cen - max)};
}

std::string RevArmEntryText(const State& s) { return FormatField(s.RevArmPos, 7, 3); }

void RevArmPositionOk(State& s, Controls& c, const std::string& text) {
    const double cen = s.RevArmSet[0], max = s.RevArmCentMax;
    s.RevArmPos = F32(Typed(text, s.RevArmPos));
    if (s.RevArmPos < cen - max) s.RevArmPos = F32(cen - max);
    if (s.RevArmPos > cen + max) s.RevArmPos = F32(cen + max);
    const double offset = SenseIsDirect(s) ? s.RevArmPos - cen : cen - s.RevArmPos;
    SBRevArmChange(s, c, RoundClamped(offset * 1000.0, -kPixelLimit, kPixelLimit));
}

std::string DriverAngleEntryText(const State& s) {
    return s.RunStep != 0 ? "0.00" : FormatField(s.DriverAngle, 4, 2);
}

void DriverAngleOk(State& s, Controls& c, const std::string& text) {
    c.Running = true; // the Run button reads "Stop": its click stops the motion
    RunClick(s, c);
    s.DriverAngle = F32(std::clamp(Typed(text, s.DriverAngle), 0.0, 360.0));
    SBDrvAngChange(s, c, RoundClamped(s.DriverAngle * 100.0, c.DrvAng.Min, c.DrvAng.Max));
    s.RunStep = 0;
    c.DrvAng.Enabled = true;
}

std::string StepAngleEntryText(const State& s) { return FormatField(s.RunStep, 4, 2); }

void StepAngleOk(State& s, Controls& c, const std::string& text) {
    c.StepAngArmed = false;
    s.StepAngle = F32(std::clamp(Typed(text, s.StepAngle), 0.01, 45.0));
    c.Running = !c.Running; // the click then restores the motion's state with the new step
    RunClick(s, c);
    SBStepAngChange(s, c, RoundClamped(std::log10(s.StepAngle * 100.0) * 4000.0, 0, 14613));
    // Armed again even when the bar did not move, so the user's next move is not lost.
    c.StepAngArmed = true;
    c.DrvAng.Small = RoundClamped(s.StepAngle * 100.0, 1, kPixelLimit);
    c.DrvAng.Large = RoundClamped(s.StepAngle * 500.0, 1, kPixelLimit);
}

} // namespace vt
