// A 64 MiB file in the page cache through the file feed (1024-byte blocks, the bar stepping)
// against the raw limit: the same rows' Crypto++ objects fed the same file in 1 MiB reads.
#include "digest/hash_to_hex.h"
#include "file_pair.h"
#include "ratio_main.h"

int main(int argc, char** argv) {
    using namespace bench;
    // MD2 alone takes seconds over 64 MiB: one pass a repetition is enough to measure it.
    registerPair("file 64 MiB, all sixteen", allBut(-1), 3, &FakeWindowFeed);
    registerPair("file 64 MiB, fifteen without MD2", allBut(digest::row::MD2), 5, &FakeWindowFeed);
    registerPair("file 64 MiB, Adler32 alone", only(digest::row::ADLER32), 9, &FakeWindowFeed);
    registerPair("file 64 MiB, CRC32 alone", only(digest::row::CRC32), 9, &FakeWindowFeed);
    digest::MakeHexState();
    const int result = bench::runWithRatios(argc, argv);
    digest::EndHexState();
    return result;
}
