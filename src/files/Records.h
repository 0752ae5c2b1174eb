// The record layout of the dimension files: which value of the state each field of each
// record holds, in the current 72-record form and the older 13-record form.
#pragma once

#include "model/State.h"

#include <cstdint>
#include <string>

namespace vt {

inline constexpr int kRecordFields = 5;
inline constexpr int kRecordBytes = 4 * kRecordFields; // five little-endian 32-bit floats
inline constexpr int kDesignRecords = 72;              // the records a saved file holds
inline constexpr int kDesignBytes = kDesignRecords * kRecordBytes;
inline constexpr int kShortRecords = 19; // what a file of 20 records or fewer contributes
inline constexpr int kOlderRecords = 13; // the older form: dimensions, view, reverse arm
inline constexpr int kFirstLineRecord = 20;
inline constexpr int kLastLineRecord = 71;

enum class Layout { Current, Older };

// The value that field f (1..5) of record r (1..72) holds, or nullptr for a field that
// stands for no stored value: record 72 (four zeros and CurLineNo, which is whole and
// kept apart) and the older form's record 12 field 3, which is read and dropped.
float* FieldValue(State& s, Layout layout, int record, int field);
const float* FieldValue(const State& s, Layout layout, int record, int field);

// The name of that value for messages ("PivotX[6]", "PresetView[2] offset Y",
// "LineColor[7]"); record 72 field 5 is "CurLineNo".
std::string FieldName(Layout layout, int record, int field);

// A float in the file's byte order, whatever the machine's.
float DecodeFloat(const uint8_t* bytes);
void EncodeFloat(float v, uint8_t* bytes);

} // namespace vt
