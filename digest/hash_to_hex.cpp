#include "digest/hash_to_hex.h"

#include <cryptopp/cryptlib.h>
#include <cryptopp/filters.h>
#include <cryptopp/hex.h>

namespace digest {

std::optional<CryptoPP::SecByteBlock> DigestBuffer;
std::optional<std::string> HexText;

void MakeHexState() {
    DigestBuffer.emplace(10);
    HexText.emplace();
}

void EndHexState() {
    HexText.reset();
    DigestBuffer.reset();
}

std::string HashToHex(CryptoPP::HashTransformation& hash) {
    std::string& text = *HexText;
    CryptoPP::SecByteBlock& buffer = *DigestBuffer;

    text.clear(); // the sink appends
    const unsigned size = hash.DigestSize();
    buffer.CleanNew(size);
    hash.Final(buffer);
    {
        // Group size 0: the separator is never written; no end of message, so no terminator.
        CryptoPP::HexEncoder encoder(new CryptoPP::StringSink(text), true, 0, ":", "");
        encoder.Put(buffer, size, true);
    }
    return text;
}

} // namespace digest
