// The dimension tables: every frame and cylinder dimension in editor order, with its id
// (used by the dynamic variables and undo) and its display name text.
#pragma once

#include "model/State.h"

#include <span>
#include <string>
#include <string_view>

namespace vt {

struct DimensionInfo {
    int32_t Id;           // 0: the dimension has no id and never becomes a dynamic variable
    const char* Name;     // the name in the state
    const char* NameText; // the name shown and stored by the dynamic variables and undo
    float& (*Ref)(Mechanism&);
};

inline constexpr int kFrameRows = 28;
inline constexpr int kCylRows = 22;

// Frame rows 1..28 and cylinder rows 1..22, in editor order.
std::span<const DimensionInfo, kFrameRows> FrameDimensionTable();
std::span<const DimensionInfo, kCylRows> CylDimensionTable();

// The dimension with this id, or nullptr.
const DimensionInfo* FindDimension(int32_t id);

// The dimension whose name text ("Main Rod Length") or field name ("MainRodLen") this
// is, ignoring case and surrounding blanks; nullptr when there is none.
const DimensionInfo* FindDimensionByName(std::string_view name);

// The dimension's stored value.
float ReadDimension(const Mechanism& m, const DimensionInfo& d);

// Writes a dimension by id and keeps its twins in step: the rocker pivot's copy (pivot 6),
// the reverse shaft's twin (pivot 17) and the valve rod joint's height (PivotY[4]).
// Empties the cut-off readouts. Returns false for an unknown id.
bool WriteDimension(Mechanism& m, int32_t id, float value);

// The dimension as a designer knows it: its display name with the editors' alignment
// blanks closed up ("Rocker Pivot Horz"); the field name for one without a display name.
std::string DimensionCaption(const DimensionInfo& d);

// PivotY[4] from the centre line and the valve stem height.
void UpdateValveRodJointHeight(Mechanism& m);

} // namespace vt
