#include "digest/file_input.h"

#include <fcntl.h>
#include <stdio_ext.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <memory>

#include <cryptopp/cryptlib.h>

namespace digest {
namespace {

struct CloseFile {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, CloseFile>;

void showError(ComputeWindow& window, const std::string& text) {
    const Point at = MessagePoint(window.FormBounds());
    window.ShowError(text, at.x, at.y);
}

// Only a regular file or a block device comes to an end: a FIFO, a socket or a character
// device would block or be read for ever, and a directory has nothing to read.
bool endsAsFile(const struct stat& st) { return S_ISREG(st.st_mode) || S_ISBLK(st.st_mode); }

// Refused by the name's type before any open, so that a device's own open never runs; checked
// again on the open file, as the name may have changed in between (a terminal slipped in then
// does not become ours). The open does not wait (a FIFO with no writer blocks a plain open); the
// stream then reads blocking as usual. A name holding a NUL names no file: cut at the NUL, it
// would name another.
std::FILE* openReadable(const std::string& native) {
    struct stat st;
    if (native.find('\0') != std::string::npos || ::stat(native.c_str(), &st) != 0 ||
        !endsAsFile(st))
        return nullptr;
    const int fd = ::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    std::FILE* file = nullptr;
    if (fstat(fd, &st) == 0 && endsAsFile(st) &&
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0)
        file = fdopen(fd, "rb");
    if (!file)
        ::close(fd);
    return file;
}

// The gate: the name as typed, opened in the file system's encoding; a refusal is told.
FilePtr openInput(ComputeWindow& window, const std::string& name, const FileOpener& open) {
    if (name.empty()) {
        showError(window, NoFileNameMessage());
        return nullptr;
    }
    const std::string native = window.NativeFileName(name);
    FilePtr file(open ? open(native) : openReadable(native));
    if (!file)
        showError(window, CannotOpenMessage(name));
    return file;
}

// 64-bit, so files of 2 GiB and more are measured too; -1 when the stream cannot seek.
std::int64_t measure(std::FILE* file) {
    fseeko(file, 0, SEEK_END);
    const std::int64_t size = ftello(file);
    std::rewind(file);
    return size;
}

void prepareBar(ComputeWindow& window, const ProgressPlan& plan) {
    window.SetProgressPosition(0);
    window.SetProgressMax(plan.max);
    if (window.ProgressMax() < 2)
        window.SetProgressMax(2);
    window.SetProgressMin(1);
    window.SetProgressStep(1);
}

} // namespace

std::string NoFileNameMessage() { return "Не введено имя файла!"; }

std::string CannotOpenMessage(const std::string& name) {
    return "Невозможно открыть файл \"" + name + "\"!";
}

std::string ReadErrorMessage(const std::string& name) {
    return "Ошибка чтения файла \"" + name + "\"!";
}

Point MessagePoint(const WindowBounds& form) {
    return {form.left + form.width / 2 - 100, form.top + form.height / 2 - 50};
}

ProgressPlan PlanProgress(std::int64_t size) {
    constexpr std::int64_t block = kBlockSize;
    constexpr std::int64_t room = INT32_MAX - 2; // max = blocks / k + 2 must fit
    const std::int64_t blocks = size > 0 ? size / block : 0;
    // blocks / k <= room holds exactly when k > blocks / (room + 1).
    const std::int64_t perStep = blocks / (room + 1) + 1;
    return {blocks, perStep, static_cast<int>(blocks / perStep + 2)};
}

bool FeedFile(ComputeWindow& window, HashSet& hashes, const FileOpener& open) {
    const std::string name = window.InputFileName();
    FilePtr opened = openInput(window, name, open);
    if (!opened)
        return false;

    // Both buffers once per computation; the stream's must be set before its first use.
    std::unique_ptr<CryptoPP::byte[]> block(new CryptoPP::byte[kBlockSize]);
    std::unique_ptr<char[]> streamBuffer(new char[kStreamBufferSize]);
    FilePtr file = std::move(opened); // declared after the buffer so it is closed first
    std::setvbuf(file.get(), streamBuffer.get(), _IOFBF, kStreamBufferSize);
    // One thread reads this stream: a lock taken and released for every block is wasted.
    __fsetlocking(file.get(), FSETLOCKING_BYCALLER);

    const ProgressPlan plan = PlanProgress(measure(file.get()));
    prepareBar(window, plan);

    bool failed = false;
    std::int64_t sinceStep = 0;
    for (;;) {
        const std::size_t count = std::fread(block.get(), 1, kBlockSize, file.get());
        // A failed read would otherwise pass for the end of the file and show the digests of
        // a part of it as the whole file's. Only a short read can have failed.
        if (count < kBlockSize && std::ferror(file.get())) {
            failed = true;
            break;
        }
        if (count == 0)
            break;
        for (std::size_t row = 0; row < kAlgorithmCount; ++row)
            if (window.RowChecked(row))
                hashes[row].Update(block.get(), count);
        if (++sinceStep == plan.blocksPerStep) {
            sinceStep = 0;
            window.ProgressStepIt();
        }
    }
    file.reset();

    if (failed) {
        showError(window, ReadErrorMessage(name));
        return false;
    }
    window.SetProgressPosition(window.ProgressMax());
    return true;
}

} // namespace digest
