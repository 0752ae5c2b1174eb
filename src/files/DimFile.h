// The dimension data file (".dvt", 72 records) and the import of the older form (".ovt",
// 13 records). Every operation reads or writes the whole file and either succeeds or
// changes nothing, the file on disk and DataSetName included.
#pragma once

#include "model/State.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vt {

// The outcome of a file operation; on failure `message` is the text for the user.
struct FileResult {
    bool ok = true;
    std::string message;
};

// The design's name from a path: the text after the last "/" or "\" without its last four
// characters (the dot and a three-letter extension); four characters or fewer give "".
std::string DataSetNameFromPath(const std::string& path);

// The 1,440 bytes of the current design: records 1 to 72, record 72 being 0, 0, 0, 0 and
// CurLineNo.
std::vector<uint8_t> EncodeDesign(const State& s);

// Takes a design from a file's bytes. A file of more than 20 records must have all 72
// (more are ignored); one of 19 or 20 records is a short file that brings records 1 to 19
// and sets CurLineNo to 1, keeping the overlay. Every value taken must be finite. When
// the bytes pass, the values are stored, CurLineNo (rounded, within 1..20) included;
// otherwise nothing changes.
FileResult DecodeDesign(State& s, std::span<const uint8_t> bytes);

// Takes records 1 to 13 of the older form (more are ignored); the same checks.
FileResult DecodeOlderDesign(State& s, std::span<const uint8_t> bytes);

// The file operations: DataSetName follows the path when they succeed.
FileResult SaveDimensionFile(State& s, const std::string& path);
FileResult OpenDimensionFile(State& s, const std::string& path);
FileResult ImportOlderDimensionFile(State& s, const std::string& path);

} // namespace vt
