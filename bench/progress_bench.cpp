// What the progress bar costs a file run: one 1024-byte Adler32 block (the fastest algorithm)
// per step, stepping a shown bar against bumping a bare counter.
#include <benchmark/benchmark.h>

#include <array>

#include <QApplication>
#include <cryptopp/adler32.h>

#include "platform/TProgressBar.h"
#include "ratio_main.h"

namespace {

const std::array<CryptoPP::byte, 1024> kBlock{};

// A bar as the window shows it, with `blocks` steps from empty to full.
struct ShownBar {
    explicit ShownBar(int blocks) {
        bar.setGeometry(0, 0, 176, 19);
        bar.show();
        QApplication::processEvents();
        bar.SetMax(blocks + 2);
        bar.SetMin(1);
        bar.SetStep(1);
    }
    TProgressBar bar;
};

void RawBlocks(benchmark::State& state) {
    const int blocks = static_cast<int>(state.range(0));
    CryptoPP::Adler32 hash;
    for (auto _ : state) {
        int counter = 1;
        for (int i = 0; i < blocks; ++i) {
            hash.Update(kBlock.data(), kBlock.size());
            benchmark::DoNotOptimize(++counter);
        }
    }
    state.SetItemsProcessed(state.iterations() * blocks);
}

void OursBlocks(benchmark::State& state) {
    const int blocks = static_cast<int>(state.range(0));
    CryptoPP::Adler32 hash;
    ShownBar shown(blocks);
    for (auto _ : state) {
        shown.bar.SetPosition(1);
        for (int i = 0; i < blocks; ++i) {
            hash.Update(kBlock.data(), kBlock.size());
            shown.bar.StepIt();
        }
    }
    state.SetItemsProcessed(state.iterations() * blocks);
}

// 100 blocks: a step moves the 176-pixel bar nearly every time. 100,000 blocks: rarely.
BENCHMARK(RawBlocks)->Name("Raw/Adler32 block + step, 100 blocks")->Arg(100);
BENCHMARK(OursBlocks)->Name("Ours/Adler32 block + step, 100 blocks")->Arg(100);
BENCHMARK(RawBlocks)->Name("Raw/Adler32 block + step, 100000 blocks")->Arg(100000);
BENCHMARK(OursBlocks)->Name("Ours/Adler32 block + step, 100000 blocks")->Arg(100000);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    return bench::runWithRatios(argc, argv);
}
