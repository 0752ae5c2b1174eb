// Dimension tables and the by-id write with its twin pivots.
#include "model/Dimensions.h"

#include "model/Real.h"

#include <array>
#include <cctype>
#include <string>

namespace vt {

namespace {

std::string Folded(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    std::string out(text.substr(first, text.find_last_not_of(' ') - first + 1));
    for (char& ch : out) ch = char(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

template <class Table>
const DimensionInfo* FindIn(const Table& table, const std::string& key) {
    for (const DimensionInfo& d : table)
        if (Folded(d.Name) == key || (d.NameText[0] != 0 && Folded(d.NameText) == key))
            return &d;
    return nullptr;
}

#define VT_REF(expr) +[](Mechanism& m) -> float& { return m.expr; }

constexpr std::array<DimensionInfo, kFrameRows> kFrame{{
    {1, "DriverDia", "Driver Dia", VT_REF(DriverDia)},
    {2, "StrokeLen", "Stroke", VT_REF(StrokeLen)},
    {3, "MainRodLen", "Main Rod Length", VT_REF(MainRodLen)},
    {4, "EccCircleDia", "Eccentric Circle Dia", VT_REF(EccCircleDia)},
    {5, "EccDia", "Eccentric Dia", VT_REF(EccDia)},
    {6, "EccFwdAngle", "Eccentric Forward Angle", VT_REF(EccFwdAngle)},
    {7, "EccRevAngle", "Eccentric Reverse Angle", VT_REF(EccRevAngle)},
    {8, "EccRodFwdLen", "Eccentric Forward Rod", VT_REF(EccRodFwdLen)},
    {9, "EccRodRevLen", "Eccemtric Reverse Rod", VT_REF(EccRodRevLen)},
    {10, "LinkRadius", "Link Radius", VT_REF(LinkRadius)},
    {11, "LinkCentPivotBackSet", "Link Cent Pivot Back Set", VT_REF(LinkCentPivotBackSet)},
    {26, "LinkCentPivotVert", "Link Cent Pivot  Vert", VT_REF(LinkCentPivotVert)},
    {12, "LinkEccRodPivotVert", "Link-Ecc Rod Pivot Vert", VT_REF(LinkEccRodPivotVert)},
    {13, "LinkEccRodPivotBackSet", "Link-Ecc Rod Pivot BkS", VT_REF(LinkEccRodPivotBackSet)},
    {14, "RockerUpperLen", "Rocker Upper Length", VT_REF(RockerUpperLen)},
    {15, "RockerUpperBackSet", "Rocker Upper Back Set", VT_REF(RockerUpperBackSet)},
    {16, "RockerLowerLen", "Rocker Lower Length", VT_REF(RockerLowerLen)},
    {17, "PivotY[7]", "Rocker Pivot Vert", VT_REF(PivotY[7])},
    {18, "PivotX[7]", "Rocker Pivot Horz", VT_REF(PivotX[7])},
    {19, "ValveConRodLen", "Valve Con Rod Length", VT_REF(ValveConRodLen)},
    {20, "LiftingLinkLen", "Lifting Link Length", VT_REF(LiftingLinkLen)},
    {21, "RevArmLen", "Reverse Arm Length", VT_REF(RevArmLen)},
    {22, "RevArmBackSet", "Reverse Arm Back Set", VT_REF(RevArmBackSet)},
    {23, "LiftingArmLen", "Lifting Arm Length", VT_REF(LiftingArmLen)},
    {24, "PivotY[16]", "Rev/Lift Arm Pivot Vert", VT_REF(PivotY[16])},
    {25, "PivotX[16]", "Rev/Lift Arm Pivot Horz", VT_REF(PivotX[16])},
    {0, "RevArmCentNorm", "", VT_REF(RevArmCentNorm)},
    {0, "RevArmCentMax", "", VT_REF(RevArmCentMax)},
}};

constexpr std::array<DimensionInfo, kCylRows> kCyl{{
    {101, "CylCtrToDriverCtr", "Cyl ctr to Driver ctr", VT_REF(CylCtrToDriverCtr)},
    {102, "PivotY[3]", "Cyl CL above Driver ctr", VT_REF(PivotY[3])},
    {103, "CylBoreDia", "Cylinder Bore Dia", VT_REF(CylBoreDia)},
    {104, "CylBoreLen", "Cylinder Bore Length", VT_REF(CylBoreLen)},
    {105, "CylSteamPortWidth", "Cyl Steam Port Width", VT_REF(CylSteamPortWidth)},
    {106, "PistonRodLen", "Piston ctr to Crosshead", VT_REF(PistonRodLen)},
    {107, "PistonWidth", "Piston Width", VT_REF(PistonWidth)},
    {108, "ValveSurfaceToCylCL", "Valve Surface to Cyl CL", VT_REF(ValveSurfaceToCylCL)},
    {109, "ValveStemToCylCL", "Valve Stem CL to Cyl CL", VT_REF(ValveStemToCylCL)},
    {110, "ExhPortWidth", "Exhaust Port  Width", VT_REF(ExhPortWidth)},
    {111, "BridgeWidthRear", "Bridge Width   Rear", VT_REF(BridgeWidthRear)},
    {112, "BridgeWidthFront", "Bridge Width   Front", VT_REF(BridgeWidthFront)},
    {113, "SteamPortWidthRear", "Steam Port Width  Rear", VT_REF(SteamPortWidthRear)},
    {114, "SteamPortWidthFront", "Steam Port Width   Front", VT_REF(SteamPortWidthFront)},
    {115, "ValveChamberHeight", "Valve Chamber    Height", VT_REF(ValveChamberHeight)},
    {116, "ValveChamberLen", "Valve Chamber Length", VT_REF(ValveChamberLen)},
    {117, "ValveHeight", "Valve Height", VT_REF(ValveHeight)},
    {118, "ValveLenRear", "Valve Length  Rear Half", VT_REF(ValveLenRear)},
    {119, "ValveLenFront", "Valve Length   Front Half", VT_REF(ValveLenFront)},
    {120, "ValveExhCavityRear", "Valve Exh CavityRearHalf", VT_REF(ValveExhCavityRear)},
    {121, "ValveExhCavityFront", "Valve ExhCavityFrontHalf", VT_REF(ValveExhCavityFront)},
    {122, "ValveStemLen", "Valve Stem", VT_REF(ValveStemLen)},
}};

#undef VT_REF

} // namespace

std::span<const DimensionInfo, kFrameRows> FrameDimensionTable() { return kFrame; }
std::span<const DimensionInfo, kCylRows> CylDimensionTable() { return kCyl; }

const DimensionInfo* FindDimensionByName(std::string_view name) {
    const std::string key = Folded(name);
    if (key.empty()) return nullptr;
    if (const DimensionInfo* d = FindIn(kFrame, key)) return d;
    return FindIn(kCyl, key);
}

// Ref gives write access for the editors; reading through it changes nothing.
float ReadDimension(const Mechanism& m, const DimensionInfo& d) {
    return d.Ref(const_cast<Mechanism&>(m));
}

const DimensionInfo* FindDimension(int32_t id) {
    if (id <= 0) return nullptr;
    for (const auto& d : kFrame)
        if (d.Id == id) return &d;
    for (const auto& d : kCyl)
        if (d.Id == id) return &d;
    return nullptr;
}

std::string DimensionCaption(const DimensionInfo& d) {
    std::string out;
    for (const char* c = d.NameText; *c; ++c)
        if (*c != ' ' || (!out.empty() && out.back() != ' ')) out += *c;
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out.empty() ? d.Name : out;
}

void UpdateValveRodJointHeight(Mechanism& m) {
    m.PivotY[4] = F32(double(m.PivotY[3]) + m.ValveStemToCylCL);
}

bool WriteDimension(Mechanism& m, int32_t id, float value) {
    const DimensionInfo* d = FindDimension(id);
    if (!d) return false;
    d->Ref(m) = value;
    switch (id) {
    case 17: m.PivotY[6] = value; break;
    case 18: m.PivotX[6] = value; break;
    case 24: m.PivotY[17] = value; break;
    case 25: m.PivotX[17] = value; break;
    case 102:
    case 109: UpdateValveRodJointHeight(m); break;
    default: break;
    }
    m.FrontCOText.clear();
    m.RearCOText.clear();
    return true;
}

} // namespace vt
