// Whole-file reading and replacing for the dimension files, with the runtime's error
// texts. Standard library only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vt {

// The text the user sees for an operating-system error number: "File not found", "File
// access denied", "Disk full", or "I/O error %d" with the number.
std::string IoErrorText(int error);

inline constexpr const char* kReadBeyondEnd = "Read beyond end of file";

// The first `limit` bytes of a file (fewer when it is shorter). On failure `error` holds
// the text and `bytes` is empty.
struct ReadResult {
    std::vector<uint8_t> bytes;
    std::string error;
};
ReadResult ReadFileStart(const std::string& path, std::size_t limit);

// Writes the bytes to a new file beside `path` and only then puts it in the place of
// `path`, so that a failure at any point leaves the file that was there as it was. An
// existing file that may not be written is refused as the runtime would refuse it.
// Returns the error text, empty on success.
std::string ReplaceFile(const std::string& path, std::span<const uint8_t> bytes);

} // namespace vt
