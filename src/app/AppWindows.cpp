// The program's windows; see AppWindows.h.
#include "app/AppWindows.h"

#include "graphs/Oval.h"
#include "graphs/Ports.h"
#include "graphs/Sine.h"
#include "graphs/Steam.h"

namespace vt {

namespace {

// A graph window stops the main window's animation while it is open.
GraphHost HostOf(MainForm& main) {
    return {[&main](bool on) { on ? main.Timer().start() : main.Timer().stop(); },
            [&main] { main.SharedStateChanged(); }};
}

} // namespace

AppWindows::AppWindows()
    : sine(SineDiaFacts(), *state, HostOf(main), &positions, &main),
      oval(OvalDiaFacts(), *state, HostOf(main), &positions, &main),
      steam(SteamDiaFacts(), *state, HostOf(main), &positions, &main),
      ports(PortDiaFacts(), *state, HostOf(main), nullptr, &main) {
    main.SetTitledWindows({&sine, &oval, &steam, &ports, &dataTable});
    main.SetGraphWindows({&sine, &oval, &steam, &ports});
    main.SetDialogs({&refPoints, &graphicZoom, &revArmPosition, &driverAngle, &stepAngle,
                     &instructions, &special, &about, &dataTable, &frameDimensions, &cylDimensions,
                     &drawLines, &eventsTable, &valveSetting, &sensitivity});
}

} // namespace vt
