// A 64 MiB file in the page cache through the file feed (1024-byte blocks, the bar stepping)
// against the raw limit: the same rows' Crypto++ objects fed the same file in 1 MiB reads.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <memory>

#include "../tests/digest/file_helpers.h"
#include "../tests/digest/quiet_window.h"
#include "digest/compute.h"
#include "digest/hash_to_hex.h"
#include "raw_limit.h"
#include "ratio_main.h"

namespace {

constexpr std::size_t kFileSize = 64u << 20;

const std::string& filePath() {
    static const TempDir dir;
    static const std::string path = dir.write("bench.bin", PseudoRandomBytes(kFileSize));
    return path;
}

using Rows = std::array<bool, digest::kAlgorithmCount>;

Rows allBut(int excluded) {
    Rows r;
    r.fill(true);
    if (excluded >= 0)
        r[static_cast<std::size_t>(excluded)] = false;
    return r;
}

Rows only(std::size_t row) {
    Rows r{};
    r[row] = true;
    return r;
}

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

void Raw(benchmark::State& state, Rows rows) {
    const std::string& path = filePath();
    std::unique_ptr<CryptoPP::byte[]> buffer(new CryptoPP::byte[1 << 20]);
    for (auto _ : state) {
        RawHashes raw(rows);
        const int fd = ::open(path.c_str(), O_RDONLY);
        ssize_t n;
        while ((n = ::read(fd, buffer.get(), 1 << 20)) > 0)
            raw.update(buffer.get(), static_cast<std::size_t>(n));
        ::close(fd);
        raw.finish();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kFileSize));
}

void registerPair(const std::string& name, Rows rows, int repetitions) {
    for (auto [kind, fn] : {std::pair{"Raw/", &Raw}, std::pair{"Ours/", &Ours}})
        benchmark::RegisterBenchmark((kind + name).c_str(), fn, rows)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(repetitions)
            ->ReportAggregatesOnly(true);
}

} // namespace

int main(int argc, char** argv) {
    // MD2 alone takes seconds over 64 MiB: one pass a repetition is enough to measure it.
    registerPair("file 64 MiB, all sixteen", allBut(-1), 3);
    registerPair("file 64 MiB, fifteen without MD2", allBut(digest::row::MD2), 5);
    registerPair("file 64 MiB, Adler32 alone", only(digest::row::ADLER32), 9);
    registerPair("file 64 MiB, CRC32 alone", only(digest::row::CRC32), 9);
    return bench::runWithRatios(argc, argv);
}
