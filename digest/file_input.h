#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "digest/compute_window.h"
#include "digest/hash_set.h"

namespace digest {

// Opens a file for reading in binary mode, given its name in the file system's encoding;
// nullptr on failure. Tests substitute one to hand the feed a stream of their own.
using FileOpener = std::function<std::FILE*(const std::string& nativeName)>;

constexpr std::size_t kBlockSize = 1024;
// The stream's own buffer: 1024-byte reads are served from it, not from a system call each.
constexpr std::size_t kStreamBufferSize = 1 << 20;

std::string NoFileNameMessage();
std::string CannotOpenMessage(const std::string& name);
std::string ReadErrorMessage(const std::string& name);

struct Point {
    int x;
    int y;
};

// Where an error box's top-left corner goes: 100 pixels left of and 50 above the window's
// centre, halving with C++'s truncating division (-3 / 2 == -1).
Point MessagePoint(const WindowBounds& form);

// How the bar counts a file of size bytes (-1 when the size is unknown).
// The bar's range is a signed 32-bit integer: it steps once per blocksPerStep blocks, the
// smallest count for which max = blocks / blocksPerStep + 2 stays within INT32_MAX. Only files
// of about 2 TiB and more need more than one block a step; below that the bar counts blocks.
struct ProgressPlan {
    std::int64_t blocks; // whole blocks: size / 1024
    std::int64_t blocksPerStep;
    int max;
};
ProgressPlan PlanProgress(std::int64_t size);

// The file path of one press: the name gate, then the file read block by block into every
// ticked row of hashes, stepping the bar. False when it stopped with a message; then no
// result may be shown.
bool FeedFile(ComputeWindow& window, HashSet& hashes, const FileOpener& open = {});

} // namespace digest
