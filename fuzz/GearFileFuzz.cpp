// libFuzzer target of the gear file reader: any bytes, read as a gear file; a design
// that is taken must be written and read back unchanged, and is then solved at a few
// crank angles and positions, so a value from a file that broke the solver would show.
#include "gearfile/GearFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    vt::gears::GearDesign d;
    if (!vt::DecodeGearFile(d, text).ok) return 0;
    vt::gears::GearDesign back;
    if (!vt::DecodeGearFile(back, vt::EncodeGearFile(d)).ok || back.Kind != d.Kind ||
        back.Name != d.Name || back.Unit != d.Unit || back.Values != d.Values ||
        back.Positions != d.Positions)
        __builtin_trap();
    const auto solver = d.Kind->MakeSolver(d);
    for (vt::gears::NamedPosition p : vt::gears::kNamedPositions)
        for (double crank : {0.0, 90.0, 180.0, 270.0})
            (void)solver->Solve(crank, vt::gears::SettingOf(d, p));
    return 0;
}
