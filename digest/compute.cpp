#include "digest/compute.h"

#include <cryptopp/cryptlib.h>

#include "digest/hash_to_hex.h"

namespace digest {
namespace {

void feedText(ComputeWindow& window, HashSet& hashes, std::string& input) {
    input = window.MemoText();
    input.resize(input.find('\0') == std::string::npos ? input.size() : input.find('\0'));

    for (std::size_t row = 0; row < kAlgorithmCount; ++row)
        if (window.RowChecked(row))
            hashes[row].Update(reinterpret_cast<const CryptoPP::byte*>(input.data()), input.size());

    // The bar stands full: range 1 to 2 whatever a file run left.
    window.SetProgressPosition(2);
    window.SetProgressMax(2);
    window.SetProgressMin(1);
    window.SetProgressStep(1);
}

// shown receives text's two-character pairs in reverse order.
void reversePairs(const std::string& text, std::string& shown) {
    shown.clear();
    for (long p = static_cast<long>(text.size()); p >= 0; p -= 2)
        shown += text.substr(static_cast<std::size_t>(p), 2);
}

void showResults(ComputeWindow& window, HashSet& hashes, std::string& crcText,
                 std::string& crcShown) {
    for (std::size_t row = 0; row < kAlgorithmCount; ++row) {
        if (!window.RowChecked(row))
            continue;
        if (!kAlgorithms[row].reversedPairs) {
            window.SetResultText(row, HashToHex(hashes[row]));
            continue;
        }
        // Emptied first, so the field is rewritten even when the value has not changed.
        window.SetResultText(row, std::string());
        crcText = HashToHex(hashes[row]);
        reversePairs(crcText, crcShown);
        window.SetResultText(row, crcShown);
    }
}

} // namespace

void Compute(ComputeWindow& window, const HashSet::Maker& make, const FileOpener& open) {
    HashSet hashes(make);
    std::string crcText;
    std::string crcShown;
    std::string input;

    if (window.TextInputChecked())
        feedText(window, hashes, input);

    // A refused name or a failed read has been told; no digest is shown then.
    if (window.FileInputChecked() && !FeedFile(window, hashes, open))
        return;

    showResults(window, hashes, crcText, crcShown);
}

} // namespace digest
