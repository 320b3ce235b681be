#include "platform/ansi_text.h"

#include <algorithm>
#include <array>
#include <iconv.h>
#include <stdexcept>
#include <utility>

#include <QString>

namespace {

// The upper half of Windows-1251 as (character, byte), sorted by character; read once
// from glibc's own table of the code page.
using UpperHalf = std::array<std::pair<char32_t, char>, 128>;

UpperHalf readUpperHalf() {
    // Into the machine's own wide characters, 32 bits on Linux: no byte order to undo.
    iconv_t cd = iconv_open("WCHAR_T", "CP1251");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("Windows-1251 is not available");
    UpperHalf table{};
    for (int b = 0x80; b <= 0xFF; ++b) {
        char in = static_cast<char>(b);
        wchar_t out{};
        char* inPtr = &in;
        char* outPtr = reinterpret_cast<char*>(&out);
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        // A byte the code page leaves undefined (0x98) maps to U+FFFF, which no text holds.
        char32_t c = U'\uFFFF';
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1))
            c = static_cast<char32_t>(out);
        table[b - 0x80] = {c, in};
    }
    iconv_close(cd);
    std::sort(table.begin(), table.end());
    return table;
}

char toByte(char32_t c) {
    static const UpperHalf table = readUpperHalf();
    auto it = std::lower_bound(table.begin(), table.end(), std::make_pair(c, '\0'),
                               [](const auto& a, const auto& b) { return a.first < b.first; });
    return it != table.end() && it->first == c && c != U'\uFFFF' ? it->second : '?';
}

} // namespace

std::string ToAnsiText(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()) + 16);
    for (char32_t c : text.toStdU32String()) {
        if (c == U'\n')
            out += "\r\n";
        else if (c < 0x80)
            out += static_cast<char>(c);
        else
            out += toByte(c);
    }
    return out;
}
