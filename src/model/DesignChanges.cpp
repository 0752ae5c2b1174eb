// The modified state and the save question; see DesignChanges.h.
#include "model/DesignChanges.h"

#include "model/Dimensions.h"
#include "model/RevArmSets.h"

#include <algorithm>
#include <array>
#include <bit>

namespace vt {

namespace {

using DesignPrint = std::array<float, kDesignPrintFloats>;

constexpr float (OverlayState::*kOverlayLists[])[kLineEntries] = {
    &OverlayState::LineType,   &OverlayState::LineColor,  &OverlayState::LineRefMode,
    &OverlayState::LineP1Vert, &OverlayState::LineP1Horz, &OverlayState::LineP2Vert,
    &OverlayState::LineP2Horz, &OverlayState::LinePivot1, &OverlayState::LinePivot2,
    &OverlayState::LineRef1X,  &OverlayState::LineRef1Y,  &OverlayState::LineRef2X,
    &OverlayState::LineRef2Y,
};

DesignPrint Print(const State& s) {
    DesignPrint p{};
    std::size_t n = 0;
    auto& m = const_cast<Mechanism&>(static_cast<const Mechanism&>(s)); // Ref only reads here
    for (const DimensionInfo& d : FrameDimensionTable()) p[n++] = d.Ref(m);
    for (const DimensionInfo& d : CylDimensionTable()) p[n++] = d.Ref(m);
    for (int k = 1; k <= kStoredPositions; ++k) p[n++] = s.RevArmSet[k];
    p[n++] = s.VertScale;
    for (const auto list : kOverlayLists)
        for (int k = 1; k < kLineEntries; ++k) p[n++] = (s.*list)[k];
    return p;
}

// Bit for bit, so that a value that is not a number still equals itself.
bool Same(float a, float b) { return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b); }

} // namespace

void SetDesignBaseline(State& s) {
    const DesignPrint p = Print(s);
    std::copy(p.begin(), p.end(), s.SavedDesign);
}

bool DesignModified(const State& s) {
    const DesignPrint p = Print(s);
    return !std::equal(p.begin(), p.end(), s.SavedDesign, Same);
}

std::string SaveQuestion(const State& s) { return "Save changes to " + s.DataSetName + "?"; }

SetAside PutDesignAside(bool modified, SaveAnswer answer) {
    if (!modified) return SetAside::Proceed;
    switch (answer) {
    case SaveAnswer::Save: return SetAside::SaveThenProceed;
    case SaveAnswer::Discard: return SetAside::Proceed;
    case SaveAnswer::Cancel: break;
    }
    return SetAside::Stay;
}

} // namespace vt
