// Whole-file reading and replacing; see FileIo.h.
#include "files/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace vt {

namespace {

namespace fs = std::filesystem;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// errno as it stands after a failed call; 0 would say nothing, so it becomes EIO.
int LastError() { return errno != 0 ? errno : EIO; }

// Opens a new file next to `path` that no one else has; its name is returned in `temp`.
FilePtr CreateBeside(const std::string& path, std::string& temp, int& error) {
    for (int n = 0; n < 100; ++n) {
        temp = path + ".saving" + std::to_string(n);
        errno = 0;
        if (std::FILE* f = std::fopen(temp.c_str(), "wbx")) return FilePtr(f);
        error = LastError();
        if (error != EEXIST) return nullptr;
    }
    return nullptr;
}

// An existing file must be one we may write, as opening it for writing in place would
// require; the check opens it without changing it.
int CheckWritable(const std::string& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return 0;
    errno = 0;
    if (FilePtr f{std::fopen(path.c_str(), "r+b")}) return 0;
    return LastError();
}

int WriteAll(FilePtr f, std::span<const uint8_t> bytes) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) return LastError();
    if (std::fflush(f.get()) != 0) return LastError();
    if (std::fclose(f.release()) != 0) return LastError();
    return 0;
}

} // namespace

std::string IoErrorText(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR: return "File not found";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return "File access denied";
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return "Disk full";
    default: return "I/O error " + std::to_string(error);
    }
}

ReadResult ReadFileStart(const std::string& path, std::size_t limit) {
    ReadResult r;
    errno = 0;
    FilePtr f{std::fopen(path.c_str(), "rb")};
    if (!f) {
        r.error = IoErrorText(LastError());
        return r;
    }
    r.bytes.resize(limit);
    errno = 0;
    const std::size_t got = std::fread(r.bytes.data(), 1, limit, f.get());
    if (got < limit && std::ferror(f.get())) {
        r.error = IoErrorText(LastError());
        r.bytes.clear();
        return r;
    }
    r.bytes.resize(got);
    return r;
}

std::string ReplaceFile(const std::string& path, std::span<const uint8_t> bytes) {
    if (const int e = CheckWritable(path)) return IoErrorText(e);
    std::string temp;
    int error = 0;
    FilePtr f = CreateBeside(path, temp, error);
    if (!f) return IoErrorText(error);
    std::error_code ec;
    if (const int e = WriteAll(std::move(f), bytes)) {
        fs::remove(temp, ec);
        return IoErrorText(e);
    }
    // The new file keeps the permissions of the one it replaces.
    const fs::file_status old = fs::status(path, ec);
    if (!ec && fs::exists(old)) fs::permissions(temp, old.permissions(), ec);
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return IoErrorText(ec.value());
    }
    return {};
}

} // namespace vt
