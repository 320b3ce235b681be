// A real file of more than 4 GiB, sparse so it costs no disk: runs for a few seconds.
#include "fakes.h"

TEST_F(DigestTest, AFileOverFourGibibytesIsHashedWhole) {
    // "begin", a hole, "KESTR" at the end: 2^32 + 5 bytes. CRC32 by python3 zlib.crc32 and rhash.
    const std::int64_t size = (std::int64_t{1} << 32) + 5;
    w.fileName = write("begin");
    std::fstream(w.fileName, std::ios::in | std::ios::out).seekp(size - 5) << "KESTR";
    w.quiet = true, w.textInput = false, w.fileInput = true, w.ticked[digest::row::CRC32] = true;
    digest::Compute(w);
    EXPECT_EQ(w.results[digest::row::CRC32], "090477C5");
    EXPECT_EQ(w.steps, 4194305); // 2^22 whole blocks and a part
}
