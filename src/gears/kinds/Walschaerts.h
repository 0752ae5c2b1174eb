// Walschaerts gear on the exact engine: a return crank on the main crank pin swings the
// expansion link about its trunnion; the die in the slot drives the radius rod; the
// combination lever adds the crosshead's motion (through the union link) to the radius
// rod's and moves the valve spindle. The reverser is the lifting arm's angle about the
// weigh shaft from its mid-gear angle, degrees, + towards forward.
#pragma once

#include "gears/Gear.h"

namespace vt::gears {

enum WalschaertsPin : int {
    WAxle, WCrankPin, WCrosshead, WCrossheadArm, WReturnCrankPin, WTrunnion, WLinkFoot,
    WSlotCentre, WDie, WRadiusRodPin, WValvePin, WUnionPin, WWeighShaft, WLiftArmEnd,
    WLiftPoint, kWalschaertsPins
};

// The kind ("walschaerts"). Its sample (Sample(), the dimension defaults) is a full-size
// engine in inches with outside admission, a slide valve and the radius rod held at the
// die.
const GearKind& Walschaerts();

// The inside-admission sample: a piston valve, the radius rod held behind the die.
GearDesign WalschaertsInside();

} // namespace vt::gears
