// Helpers of the file tests: a scratch folder, whole-file reads and writes, and the
// stored part of a state as bytes, for "nothing changed" comparisons.
#pragma once

#include "files/DimFile.h"
#include "files/Records.h"
#include "model/State.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vt::test {

// A fresh folder under the system's temporary folder, removed with its content.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    const std::filesystem::path& Dir() const { return dir_; }

private:
    std::filesystem::path dir_;
};

// Runs `body` as an ordinary user when the tests run as root, for whom folder
// permissions would not count.
void AsOrdinaryUser(const std::function<void()>& body);

std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// Field f of record r as the file stores it.
float RecordField(const std::vector<uint8_t>& bytes, int r, int f);
void SetRecordField(std::vector<uint8_t>& bytes, int r, int f, float v);

// Everything a design file stores, with the name: equal snapshots mean nothing changed.
struct Snapshot {
    std::vector<uint8_t> design;
    std::string name;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};
Snapshot Take(const State& s);

// Puts two overlay entries into the state: a red line fixed in the frame (entry 1) and a
// blue circle about the crank pin (entry 7), and makes entry 7 the current one.
void AddOverlay(State& s);

} // namespace vt::test
