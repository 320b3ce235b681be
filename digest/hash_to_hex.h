#pragma once

#include <optional>
#include <string>

#include <cryptopp/secblock.h>

namespace CryptoPP {
class HashTransformation;
}

namespace digest {

// Working storage of HashToHex. It lives from MakeHexState to EndHexState (the unit's
// start-up and shutdown); HashToHex is therefore for the GUI thread only.
extern std::optional<CryptoPP::SecByteBlock> DigestBuffer;
extern std::optional<std::string> HexText;

void MakeHexState(); // DigestBuffer (10 bytes) first, then HexText (empty)
void EndHexState();  // HexText first, then DigestBuffer

// Finalises hash (which restarts it) and returns its digest as uppercase hexadecimal.
std::string HashToHex(CryptoPP::HashTransformation& hash);

} // namespace digest
