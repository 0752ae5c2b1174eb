// File test helpers; see FileTestSupport.h.
#include "files/FileTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <unistd.h>

namespace vt::test {

ScratchFolder::ScratchFolder() {
    std::random_device rd;
    dir_ = std::filesystem::temp_directory_path() / ("vt-files-" + std::to_string(rd()));
    std::filesystem::create_directories(dir_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(dir_, ec);
}

void AsOrdinaryUser(const std::function<void()>& body) {
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(seteuid(65534), 0);
    }
    body();
    if (root) {
        ASSERT_EQ(seteuid(0), 0);
    }
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

float RecordField(const std::vector<uint8_t>& bytes, int r, int f) {
    return DecodeFloat(&bytes.at(std::size_t((r - 1) * kRecordBytes + 4 * (f - 1))));
}

void SetRecordField(std::vector<uint8_t>& bytes, int r, int f, float v) {
    EncodeFloat(v, &bytes.at(std::size_t((r - 1) * kRecordBytes + 4 * (f - 1))));
}

Snapshot Take(const State& s) { return {EncodeDesign(s), s.DataSetName}; }

void AddOverlay(State& s) {
    s.LineType[1] = 0;
    s.LineColor[1] = 255;
    s.LineRefMode[1] = 0;
    s.LineP1Horz[1] = 1.5f;
    s.LineP1Vert[1] = -2.25f;
    s.LineP2Horz[1] = 12;
    s.LineP2Vert[1] = 3.125f;
    s.LineType[7] = 1;
    s.LineColor[7] = 16711680;
    s.LineRefMode[7] = 1;
    s.LinePivot1[7] = 2;
    s.LineP1Horz[7] = 0.25f;
    s.LineP2Horz[7] = 0.5f;
    s.LineRef1X[7] = 1.5f;
    s.LineRef1Y[7] = -0.75f;
    s.CurLineNo = 7;
}

} // namespace vt::test
