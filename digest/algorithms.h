#pragma once

#include <array>
#include <cstddef>
#include <memory>

namespace CryptoPP {
class HashTransformation;
}

namespace digest {

using HashMaker = std::unique_ptr<CryptoPP::HashTransformation> (*)();

// One row of the algorithm table.
struct Algorithm {
    const char* tag; // names the controls: "CheckBox" + tag and "Edit" + tag
    HashMaker make;
    bool reversedPairs; // shown with its byte pairs in reverse order (CRC32)
};

constexpr std::size_t kAlgorithmCount = 16;

// Row indices in processing order.
namespace row {
enum : std::size_t {
    MD5,
    MD2,
    MD4,
    CRC32,
    ADLER32,
    SHA1,
    SHA224,
    SHA256,
    SHA384,
    SHA512,
    Tiger,
    RIPEMD160,
    RIPEMD128,
    RIPEMD256,
    WHIRLPOOL,
    PANAMA,
};
}

// In processing order: every feed and the result display walk the rows in this order.
extern const std::array<Algorithm, kAlgorithmCount> kAlgorithms;

// The order in which a hash set makes its objects; it releases them in reverse.
extern const std::array<std::size_t, kAlgorithmCount> kCreationOrder;

} // namespace digest
