#pragma once

#include <stdio.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

// A directory of its own under the system's temp dir, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kestrum-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path() const { return path_.string(); }
    // Writes bytes to a file of that name in the directory; returns its path.
    std::string write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
        return (path_ / name).string();
    }

private:
    std::filesystem::path path_;
};

// The first n bytes of a fixed xorshift32 stream; the expected digests of these bytes were
// computed once, outside the program, from the same generator.
inline std::string PseudoRandomBytes(std::size_t n) {
    std::string out(n, '\0');
    std::uint32_t x = 0x2545F491;
    for (auto& c : out) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        c = static_cast<char>(x & 0xFF);
    }
    return out;
}

// A stream served from memory through fopencookie: it can fail after some bytes, claim a size
// other than what it delivers, and tells whether it was closed.
struct FakeStream {
    std::string data;
    std::size_t failAfter = std::string::npos; // reads fail once this many bytes are delivered
    std::int64_t claimedSize = -1;             // what a seek to the end finds; -1: data's size
    std::int64_t pos = 0;
    bool closed = false;

    FILE* open() {
        cookie_io_functions_t io{};
        io.read = [](void* c, char* buf, size_t size) -> ssize_t {
            auto& s = *static_cast<FakeStream*>(c);
            const auto at = static_cast<std::size_t>(s.pos);
            if (at >= s.failAfter)
                return errno = EIO, -1;
            const std::size_t n =
                std::min({at < s.data.size() ? s.data.size() - at : 0, size, s.failAfter - at});
            std::memcpy(buf, s.data.data() + at, n);
            s.pos += static_cast<std::int64_t>(n);
            return static_cast<ssize_t>(n);
        };
        io.seek = [](void* c, off64_t* offset, int whence) -> int {
            auto& s = *static_cast<FakeStream*>(c);
            const std::int64_t end =
                s.claimedSize >= 0 ? s.claimedSize : std::int64_t(s.data.size());
            s.pos = *offset + (whence == SEEK_SET ? 0 : whence == SEEK_CUR ? s.pos : end);
            *offset = s.pos;
            return 0;
        };
        io.close = [](void* c) { return static_cast<FakeStream*>(c)->closed = true, 0; };
        return fopencookie(this, "rb", io);
    }
    // Hands this stream to the compute operation in place of a file.
    auto opener() {
        return [this](const std::string&) { return open(); };
    }
};
