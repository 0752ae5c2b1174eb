// The dimension files' record layout; see Records.h.
#include "files/Records.h"

#include <bit>

namespace vt {

namespace {

// One named value of records 1 to 13: a plain member, or an entry of the pivot table.
struct Slot {
    const char* name;
    float State::*value = nullptr;
    float (State::*pivots)[kPivotCount] = nullptr;
    int index = 0;
};

constexpr Slot X(int i) { return {"PivotX", nullptr, &State::PivotX, i}; }
constexpr Slot Y(int i) { return {"PivotY", nullptr, &State::PivotY, i}; }
constexpr Slot kDropped{nullptr};

// Records 1 to 13 of the current form, field by field.
constexpr Slot kDims[kOlderRecords][kRecordFields] = {
    {{"EccFwdAngle", &State::EccFwdAngle}, {"EccRevAngle", &State::EccRevAngle},
     {"RockerUpperBackSet", &State::RockerUpperBackSet}, {"RevArmBackSet", &State::RevArmBackSet},
     {"StrokeLen", &State::StrokeLen}},
    {{"EccCircleDia", &State::EccCircleDia}, {"DriverDia", &State::DriverDia},
     {"MainRodLen", &State::MainRodLen}, {"ValveConRodLen", &State::ValveConRodLen},
     {"RockerUpperLen", &State::RockerUpperLen}},
    {{"RockerLowerLen", &State::RockerLowerLen}, {"LinkCentPivotBackSet", &State::LinkCentPivotBackSet},
     {"LinkEccRodPivotBackSet", &State::LinkEccRodPivotBackSet},
     {"LinkEccRodPivotVert", &State::LinkEccRodPivotVert}, {"EccRodFwdLen", &State::EccRodFwdLen}},
    {{"EccRodRevLen", &State::EccRodRevLen}, {"LiftingLinkLen", &State::LiftingLinkLen},
     {"LiftingArmLen", &State::LiftingArmLen}, {"FrameSpare", &State::FrameSpare},
     {"RevArmLen", &State::RevArmLen}},
    {{"LinkRadius", &State::LinkRadius}, X(6), Y(6), X(16), Y(16)},
    {X(7), Y(7), X(17), Y(17), Y(3)},
    {Y(3), {"CylCtrToDriverCtr", &State::CylCtrToDriverCtr}, {"CylBoreDia", &State::CylBoreDia},
     {"CylBoreLen", &State::CylBoreLen}, {"CylSpare", &State::CylSpare}},
    {{"CylSteamPortWidth", &State::CylSteamPortWidth}, {"PistonRodLen", &State::PistonRodLen},
     {"PistonWidth", &State::PistonWidth}, {"ValveSurfaceToCylCL", &State::ValveSurfaceToCylCL},
     {"ValveStemToCylCL", &State::ValveStemToCylCL}},
    {{"ExhPortWidth", &State::ExhPortWidth}, {"BridgeWidthRear", &State::BridgeWidthRear},
     {"SteamPortWidthRear", &State::SteamPortWidthRear},
     {"ValveChamberHeight", &State::ValveChamberHeight}, {"ValveChamberLen", &State::ValveChamberLen}},
    {{"ValveHeight", &State::ValveHeight}, {"ValveLenRear", &State::ValveLenRear},
     {"ValveExhCavityRear", &State::ValveExhCavityRear}, {"ValveStemLen", &State::ValveStemLen},
     {"BridgeWidthFront", &State::BridgeWidthFront}},
    {{"SteamPortWidthFront", &State::SteamPortWidthFront}, {"ValveLenFront", &State::ValveLenFront},
     {"LinkCentPivotVert", &State::LinkCentPivotVert},
     {"ValveExhCavityFront", &State::ValveExhCavityFront}, Y(4)},
    {{"ViewScale", &State::ViewScale}, {"ViewOffsetX", &State::ViewOffsetX},
     {"GraphicZoom", &State::GraphicZoom}, {"ViewOffsetY", &State::ViewOffsetY},
     {"RevArmCentNorm", &State::RevArmCentNorm}},
    {{"RevArmCentMax", &State::RevArmCentMax}, {"RevArmPos", &State::RevArmPos},
     {"EccDia", &State::EccDia}, {"PlotRevArmPos", &State::PlotRevArmPos},
     {"VertScale", &State::VertScale}},
};

// Records 12 and 13 of the older form: no graphic zoom, and the reverse arm end's X
// where the current form keeps RevArmPos.
constexpr Slot kOlderTail[2][kRecordFields] = {
    {{"ViewScale", &State::ViewScale}, {"ViewOffsetX", &State::ViewOffsetX}, kDropped,
     {"ViewOffsetY", &State::ViewOffsetY}, {"RevArmCentNorm", &State::RevArmCentNorm}},
    {{"RevArmCentMax", &State::RevArmCentMax}, X(18), {"EccDia", &State::EccDia},
     {"PlotRevArmPos", &State::PlotRevArmPos}, {"VertScale", &State::VertScale}},
};

// The thirteen overlay lists of records 20 to 71, four records each.
constexpr float (State::*kLineLists[])[kLineEntries] = {
    &State::LineP1Horz, &State::LineP1Vert, &State::LineP2Horz, &State::LineP2Vert,
    &State::LineRef1X,  &State::LineRef1Y,  &State::LineRef2X,  &State::LineRef2Y,
    &State::LineType,   &State::LineColor,  &State::LineRefMode, &State::LinePivot1,
    &State::LinePivot2,
};
constexpr const char* kLineListNames[] = {
    "LineP1Horz", "LineP1Vert", "LineP2Horz", "LineP2Vert", "LineRef1X",   "LineRef1Y",  "LineRef2X",
    "LineRef2Y",  "LineType",   "LineColor",  "LineRefMode", "LinePivot1", "LinePivot2",
};
static_assert(std::size(kLineLists) * 4 == kLastLineRecord - kFirstLineRecord + 1);

constexpr int kPresetFloats = 3 * kPresetViews; // records 14 to 18 field 1
constexpr const char* kPresetParts[] = {"scale", "offset X", "offset Y"};

const Slot& DimSlot(Layout layout, int record, int field) {
    if (layout == Layout::Older && record >= 12) return kOlderTail[record - 12][field - 1];
    return kDims[record - 1][field - 1];
}

// The position of a field among the floats of records 14 to 19, and of an overlay field
// among its list's twenty entries (1..20).
int PresetFloat(int record, int field) { return (record - 14) * kRecordFields + field - 1; }
int LineList(int record) { return (record - kFirstLineRecord) / 4; }
int LineEntry(int record, int field) { return (record - kFirstLineRecord) % 4 * kRecordFields + field; }

bool Valid(Layout layout, int record, int field) {
    const int last = layout == Layout::Older ? kOlderRecords : kDesignRecords;
    return record >= 1 && record <= last && field >= 1 && field <= kRecordFields;
}

} // namespace

float* FieldValue(State& s, Layout layout, int record, int field) {
    if (!Valid(layout, record, field)) return nullptr;
    if (record <= kOlderRecords) {
        const Slot& slot = DimSlot(layout, record, field);
        if (slot.value) return &(s.*slot.value);
        return slot.pivots ? &(s.*slot.pivots)[slot.index] : nullptr;
    }
    if (record < kFirstLineRecord) {
        const int i = PresetFloat(record, field);
        if (i >= kPresetFloats) return &s.RevArmSet[i - kPresetFloats + 1];
        ViewState::Preset& p = s.PresetView[i / 3];
        return i % 3 == 0 ? &p.Scale : i % 3 == 1 ? &p.OffsetX : &p.OffsetY;
    }
    if (record <= kLastLineRecord) return &(s.*kLineLists[LineList(record)])[LineEntry(record, field)];
    return nullptr;
}

const float* FieldValue(const State& s, Layout layout, int record, int field) {
    return FieldValue(const_cast<State&>(s), layout, record, field);
}

std::string FieldName(Layout layout, int record, int field) {
    if (!Valid(layout, record, field)) return {};
    const auto indexed = [](const char* name, int i) { return std::string(name) + "[" + std::to_string(i) + "]"; };
    if (record <= kOlderRecords) {
        const Slot& slot = DimSlot(layout, record, field);
        if (!slot.name) return "unused";
        return slot.pivots ? indexed(slot.name, slot.index) : slot.name;
    }
    if (record < kFirstLineRecord) {
        const int i = PresetFloat(record, field);
        if (i >= kPresetFloats) return indexed("RevArmSet", i - kPresetFloats + 1);
        return indexed("PresetView", i / 3) + " " + kPresetParts[i % 3];
    }
    if (record <= kLastLineRecord) return indexed(kLineListNames[LineList(record)], LineEntry(record, field));
    return field == kRecordFields ? "CurLineNo" : "unused";
}

float DecodeFloat(const uint8_t* b) {
    const uint32_t bits = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    return std::bit_cast<float>(bits);
}

void EncodeFloat(float v, uint8_t* b) {
    const uint32_t bits = std::bit_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) b[i] = uint8_t(bits >> (8 * i));
}

} // namespace vt
