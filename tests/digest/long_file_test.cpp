// A real file of more than 4 GiB, sparse so it costs no disk: runs for a few seconds.
#include <gtest/gtest.h>

#include "digest/compute.h"
#include "digest/hash_to_hex.h"
#include "file_helpers.h"
#include "quiet_window.h"

namespace {

TEST(LongFile, AFileOverFourGibibytesIsHashedWhole) {
    // 1025 pseudo-random bytes, a hole of zeros, "KESTR" as the last five bytes: 2^32 + 5 bytes.
    // Its CRC32 was computed once with python3 zlib.crc32 over the same bytes.
    const std::int64_t size = (std::int64_t{1} << 32) + 5;
    TempDir dir;
    const std::string path = dir.write("sparse.bin", PseudoRandomBytes(1025));
    FILE* f = std::fopen(path.c_str(), "r+b");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(fseeko(f, size - 5, SEEK_SET), 0);
    ASSERT_EQ(std::fwrite("KESTR", 1, 5, f), 5u);
    ASSERT_EQ(std::fclose(f), 0);

    digest::MakeHexState();
    QuietWindow w;
    w.textInput = false;
    w.fileInput = true;
    w.fileName = path;
    w.ticked[digest::row::CRC32] = true;
    digest::Compute(w);
    digest::EndHexState();

    EXPECT_EQ(w.results[digest::row::CRC32], "54CE4528");
    EXPECT_EQ(w.steps, (size + 1023) / 1024);
}

} // namespace
