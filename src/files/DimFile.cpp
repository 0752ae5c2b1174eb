// The dimension files; see DimFile.h. Reading decodes the whole file into a staging table
// and checks it before the first value reaches the state.
#include "files/DimFile.h"

#include "files/FileIo.h"
#include "files/Records.h"
#include "model/Rounding.h"

#include <array>
#include <cmath>

namespace vt {

namespace {

// The decoded floats of records 1 to 72 and the number of whole records the file had.
struct Staged {
    std::array<std::array<float, kRecordFields>, kDesignRecords> v{};
    int records = 0;
};

Staged Stage(std::span<const uint8_t> bytes) {
    Staged st;
    st.records = int(std::min<std::size_t>(bytes.size() / kRecordBytes, kDesignRecords));
    for (int r = 0; r < st.records; ++r)
        for (int f = 0; f < kRecordFields; ++f)
            st.v[std::size_t(r)][std::size_t(f)] = DecodeFloat(&bytes[std::size_t(r * kRecordBytes + 4 * f)]);
    return st;
}

bool Used(Layout layout, int record, int field) {
    static const State probe{};
    return FieldValue(probe, layout, record, field) != nullptr ||
           (record == kDesignRecords && field == kRecordFields);
}

// The first value that would be stored and is not finite, as a message naming it.
FileResult CheckFinite(const Staged& st, Layout layout, int lastRecord) {
    for (int r = 1; r <= lastRecord; ++r) {
        for (int f = 1; f <= kRecordFields; ++f) {
            const float v = st.v[std::size_t(r - 1)][std::size_t(f - 1)];
            if (std::isfinite(v) || !Used(layout, r, f)) continue;
            return {false, "The file cannot be used: record " + std::to_string(r) + ", field " +
                               std::to_string(f) + " (" + FieldName(layout, r, f) + ") holds " +
                               (std::isnan(v) ? "no number" : "an infinite value") +
                               ". Nothing was changed."};
        }
    }
    return {};
}

void Store(State& s, const Staged& st, Layout layout, int lastRecord) {
    for (int r = 1; r <= lastRecord; ++r)
        for (int f = 1; f <= kRecordFields; ++f)
            if (float* value = FieldValue(s, layout, r, f)) *value = st.v[std::size_t(r - 1)][std::size_t(f - 1)];
}

FileResult WithName(State& s, FileResult r, const std::string& path) {
    if (r.ok) s.DataSetName = DataSetNameFromPath(path);
    return r;
}

} // namespace

std::string DataSetNameFromPath(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    // Four characters, not bytes: a name in UTF-8 is never cut inside a character.
    std::size_t end = base.size();
    for (int dropped = 0; dropped < 4 && end > 0; ++dropped) {
        --end;
        while (end > 0 && (uint8_t(base[end]) & 0xC0) == 0x80) --end;
    }
    return base.substr(0, end);
}

std::vector<uint8_t> EncodeDesign(const State& s) {
    std::vector<uint8_t> bytes(kDesignBytes, 0);
    for (int r = 1; r <= kDesignRecords; ++r) {
        for (int f = 1; f <= kRecordFields; ++f) {
            const float* value = FieldValue(s, Layout::Current, r, f);
            float v = value ? *value : 0.0f;
            if (r == kDesignRecords && f == kRecordFields) v = float(s.CurLineNo);
            EncodeFloat(v, &bytes[std::size_t((r - 1) * kRecordBytes + 4 * (f - 1))]);
        }
    }
    return bytes;
}

FileResult DecodeDesign(State& s, std::span<const uint8_t> bytes) {
    const Staged st = Stage(bytes);
    const bool whole = st.records > 20;
    if (st.records < kShortRecords || (whole && st.records < kDesignRecords)) return {false, kReadBeyondEnd};
    const int last = whole ? kDesignRecords : kShortRecords;
    if (FileResult r = CheckFinite(st, Layout::Current, last); !r.ok) return r;
    Store(s, st, Layout::Current, last);
    // A whole number from the file that indexes the overlay stays within its entries.
    const float line = st.v[kDesignRecords - 1][kRecordFields - 1];
    s.CurLineNo = whole ? RoundClamped(line, 1, kLineEntries - 1) : 1;
    return {};
}

FileResult DecodeOlderDesign(State& s, std::span<const uint8_t> bytes) {
    const Staged st = Stage(bytes);
    if (st.records < kOlderRecords) return {false, kReadBeyondEnd};
    if (FileResult r = CheckFinite(st, Layout::Older, kOlderRecords); !r.ok) return r;
    Store(s, st, Layout::Older, kOlderRecords);
    return {};
}

FileResult SaveDimensionFile(State& s, const std::string& path) {
    const std::string error = ReplaceFile(path, EncodeDesign(s));
    return WithName(s, {error.empty(), error}, path);
}

FileResult OpenDimensionFile(State& s, const std::string& path) {
    const ReadResult file = ReadFileStart(path, kDesignBytes);
    if (!file.error.empty()) return {false, file.error};
    return WithName(s, DecodeDesign(s, file.bytes), path);
}

FileResult ImportOlderDimensionFile(State& s, const std::string& path) {
    const ReadResult file = ReadFileStart(path, kOlderRecords * kRecordBytes);
    if (!file.error.empty()) return {false, file.error};
    return WithName(s, DecodeOlderDesign(s, file.bytes), path);
}

} // namespace vt
