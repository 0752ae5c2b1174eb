// VALVETRACE entry point. Until the main window exists this prints one driver turn of
// the built-in design at mid gear and normal forward, as a console check of the solver.
#include "model/Defaults.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"

#include <cstdio>

int main() {
    vt::State s;
    s.hooks.Beep = [] { std::fputc('\a', stderr); };
    vt::StartUp(s);
    std::printf("VALVETRACE - built-in design \"%s\", mid gear %.4f\n", s.DataSetName.c_str(),
                double(s.RevArmSet[0]));
    for (int gear : {1, 2}) {
        s.RevArmPos = s.RevArmSet[gear];
        std::printf("\n%s  reverse arm %.4f\n  angle  piston  travel   front   rear\n",
                    gear == 1 ? "Mid gear" : "Normal forward", double(s.RevArmPos));
        for (int a = 0; a < 360; a += 30) {
            s.DriverAngle = float(a);
            vt::SolveLinkage(s);
            vt::ComputeValveEvents(s);
            std::printf("  %5d  %6.1f  %6.3f  %6.3f  %6.3f\n", a, double(s.PistonPos),
                        double(s.ValveTravel), double(s.FrontSteamOpening),
                        double(s.RearSteamOpening));
        }
    }
    return 0;
}
