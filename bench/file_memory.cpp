// Peak memory of one file computation: prints the process's peak resident size before and
// after hashing a sparse file of the given size in MiB (fifteen rows, MD2 left out for time).
// The peak after must not grow with the file.
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "digest/compute.h"
#include "digest/hash_to_hex.h"
#include "quiet_window.h"
#include "temp_file.h"

namespace {

long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <size in MiB>\n", argv[0]);
        return 2;
    }
    const long long mib = std::atoll(argv[1]);
    const bench::TempFile file("");
    const std::string& path = file.path();
    if (truncate(path.c_str(), static_cast<off_t>(mib) << 20) != 0)
        return 1;

    digest::MakeHexState();
    bench::QuietWindow w;
    w.textInput = false;
    w.fileInput = true;
    w.fileName = path;
    w.ticked.fill(true);
    w.ticked[digest::row::MD2] = false;
    const long before = peakKiB();
    digest::Compute(w);
    std::printf("file %lld MiB: peak RSS before %ld KiB, after %ld KiB, bar steps %lld\n", mib,
                before, peakKiB(), w.steps);
    digest::EndHexState();
    return 0;
}
