// A 64 MiB file in the page cache through the file feed (1024-byte blocks, the bar stepping)
// against the raw limit: the same rows' Crypto++ objects fed the same file in 1 MiB reads.
#include "../tests/digest/quiet_window.h"
#include "digest/compute.h"
#include "digest/hash_to_hex.h"
#include "file_pair.h"
#include "ratio_main.h"

namespace {

using namespace bench;

void Ours(benchmark::State& state, Rows rows) {
    digest::MakeHexState();
    QuietWindow w;
    w.textInput = false;
    w.fileInput = true;
    w.fileName = filePath();
    w.ticked = rows;
    for (auto _ : state)
        digest::Compute(w);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kFileSize));
    digest::EndHexState();
}

} // namespace

int main(int argc, char** argv) {
    // MD2 alone takes seconds over 64 MiB: one pass a repetition is enough to measure it.
    registerPair("file 64 MiB, all sixteen", allBut(-1), 3, &Ours);
    registerPair("file 64 MiB, fifteen without MD2", allBut(digest::row::MD2), 5, &Ours);
    registerPair("file 64 MiB, Adler32 alone", only(digest::row::ADLER32), 9, &Ours);
    registerPair("file 64 MiB, CRC32 alone", only(digest::row::CRC32), 9, &Ours);
    return bench::runWithRatios(argc, argv);
}
