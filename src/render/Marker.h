// The dimension marker: while MarkerNo is set, the frame shows an hourglass, zooms to the
// part of the gear that holds the dimension and blinks a line over it with its label.
#pragma once

#include "model/State.h"
#include "render/Canvas.h"

namespace vt {

// What the window must do after a marker frame: the editor to close now (every frame of
// the marker) and the editor to open again once the frame is shown (its last frame).
struct MarkerOutcome {
    MarkerEditor close = MarkerEditor::None;
    MarkerEditor reopen = MarkerEditor::None;
};

// The scale and offsets the marker shows a dimension with; keepOffsets leaves the user's.
struct MarkerView {
    float Scale = 0;
    bool KeepOffsets = false;
    float OffsetX = 0, OffsetY = 0;
};

// The view for a marker number, its scale divided by GraphicZoom / 7.5; false for a
// number that is no marker.
bool MarkerViewFor(const ViewState& v, int32_t markerNo, MarkerView& out);
// The label shown with a marker, or nullptr.
const char* MarkerLabel(int32_t markerNo);

// One frame of the marker; does nothing while MarkerNo is 0.
MarkerOutcome DrawMarker(Canvas& c, State& s);

// A mouse press in the main window: a running marker ends at the next frame.
void EndMarkerOnClick(MarkerState& m);

} // namespace vt
