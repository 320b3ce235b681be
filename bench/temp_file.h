#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace bench {

// A file of its own under the system's temp dir, holding the given bytes; removed at the end.
class TempFile {
public:
    explicit TempFile(const std::string& bytes)
        : path_((std::filesystem::temp_directory_path() / "kestrum-bench-XXXXXX").string()) {
        const int fd = mkstemp(path_.data());
        if (fd < 0)
            throw std::runtime_error("mkstemp failed");
        close(fd);
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~TempFile() { std::remove(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The first n bytes of a fixed xorshift32 stream: contents no hash can take a shortcut through.
inline std::string PseudoRandomBytes(std::size_t n) {
    std::string out(n, '\0');
    std::uint32_t x = 0x2545F491;
    for (auto& c : out) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        c = static_cast<char>(x & 0xFF);
    }
    return out;
}

} // namespace bench
