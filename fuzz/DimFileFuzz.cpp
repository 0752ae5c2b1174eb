// libFuzzer target of the dimension file reader: any bytes, read as a current and as an
// older file; a design that is taken is then recalculated, ticked and drawn once, so a
// value from a file that reached outside an array or overflowed a conversion would show.
#include "files/DimFile.h"
#include "files/LoadSteps.h"
#include "model/Controls.h"
#include "model/Defaults.h"
#include "render/RecordingCanvas.h"
#include "render/Scene.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace {

const vt::State& StartedUp() {
    static const vt::State s = [] {
        vt::State started;
        vt::StartUp(started);
        return started;
    }();
    return s;
}

void RunTaken(vt::State& s) {
    vt::Controls c;
    vt::FinishDesignLoad(s, c);
    vt::TickModel(s);
    vt::RecordingCanvas canvas;
    vt::DrawScene(canvas, s);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    vt::State current = StartedUp();
    if (vt::DecodeDesign(current, bytes).ok) RunTaken(current);
    vt::State older = StartedUp();
    if (vt::DecodeOlderDesign(older, bytes).ok) RunTaken(older);
    (void)vt::DataSetNameFromPath(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
