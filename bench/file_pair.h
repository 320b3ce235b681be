#pragma once

// The file both sides of a file benchmark read, and the raw side: the chosen rows' Crypto++
// objects fed the same file in 1 MiB reads, no window.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <memory>
#include <utility>

#include "digest/compute.h"
#include "quiet_window.h"
#include "raw_limit.h"
#include "temp_file.h"

namespace bench {

constexpr std::size_t kFileSize = 64u << 20;

inline const std::string& filePath() {
    static const TempFile file(PseudoRandomBytes(kFileSize));
    return file.path();
}

using Rows = std::array<bool, digest::kAlgorithmCount>;

inline Rows allBut(int excluded) {
    Rows r;
    r.fill(true);
    if (excluded >= 0)
        r[static_cast<std::size_t>(excluded)] = false;
    return r;
}

inline Rows only(std::size_t row) {
    Rows r{};
    r[row] = true;
    return r;
}

inline void Raw(benchmark::State& state, Rows rows) {
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

// The file feed through a window that answers from memory and draws nothing. HashToHex's
// state must exist.
inline void FakeWindowFeed(benchmark::State& state, Rows rows) {
    QuietWindow w;
    w.textInput = false;
    w.fileInput = true;
    w.fileName = filePath();
    w.ticked = rows;
    for (auto _ : state)
        digest::Compute(w);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kFileSize));
}

using Side = void (*)(benchmark::State&, Rows);

// "Raw/<name>" and "Ours/<name>": the ratio main prints raw's time over ours.
inline void registerPair(const std::string& name, Rows rows, int repetitions, Side ours,
                         Side raw = &Raw) {
    for (auto [kind, fn] : {std::pair{"Raw/", raw}, std::pair{"Ours/", ours}})
        benchmark::RegisterBenchmark((kind + name).c_str(), fn, rows)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(repetitions)
            ->ReportAggregatesOnly(true);
}

} // namespace bench
