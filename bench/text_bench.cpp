// 1 MiB of text with all sixteen rows ticked: the compute operation against the raw limit.
#include <benchmark/benchmark.h>

#include <random>

#include "digest/compute.h"
#include "digest/hash_to_hex.h"
#include "quiet_window.h"
#include "ratio_main.h"
#include "raw_limit.h"

namespace {

const std::string& text() {
    static const std::string t = [] {
        std::string s(1 << 20, '\0');
        std::mt19937 gen(7);
        for (auto& c : s)
            c = static_cast<char>(' ' + gen() % 95);
        return s;
    }();
    return t;
}

void TextThroughCompute(benchmark::State& state) {
    digest::MakeHexState();
    bench::QuietWindow w;
    w.memo = text();
    w.ticked.fill(true);
    for (auto _ : state)
        digest::Compute(w);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text().size()));
    digest::EndHexState();
}

void TextRawLimit(benchmark::State& state) {
    std::array<bool, digest::kAlgorithmCount> all;
    all.fill(true);
    for (auto _ : state) {
        RawHashes raw(all);
        raw.update(reinterpret_cast<const CryptoPP::byte*>(text().data()), text().size());
        raw.finish();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text().size()));
}

BENCHMARK(TextRawLimit)->Name("Raw/text 1 MiB, all sixteen")->Unit(benchmark::kMillisecond);
BENCHMARK(TextThroughCompute)->Name("Ours/text 1 MiB, all sixteen")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::runWithRatios(argc, argv); }
