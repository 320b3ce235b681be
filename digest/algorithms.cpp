#include "digest/algorithms.h"

#include <cryptopp/adler32.h>
#include <cryptopp/crc.h>
#include <cryptopp/md2.h>
#include <cryptopp/md4.h>
#include <cryptopp/md5.h>
#include <cryptopp/panama.h>
#include <cryptopp/ripemd.h>
#include <cryptopp/sha.h>
#include <cryptopp/tiger.h>
#include <cryptopp/whrlpool.h>

namespace digest {
namespace {

template <class Hash>
std::unique_ptr<CryptoPP::HashTransformation> make() {
    return std::make_unique<Hash>();
}

using namespace CryptoPP;
using PanamaLE = Weak::PanamaHash<LittleEndian>;

} // namespace

const std::array<Algorithm, kAlgorithmCount> kAlgorithms = {{
    {"MD5", "MD5", 16, make<Weak1::MD5>, false, 1},
    {"MD2", "MD2", 16, make<Weak1::MD2>, false, 2},
    {"MD4", "MD4", 16, make<Weak1::MD4>, false, 3},
    {"CRC32", "CRC32", 4, make<CRC32>, true, 4},
    {"ADLER32", "Adler32", 4, make<Adler32>, false, 5},
    {"SHA1", "SHA1", 20, make<SHA1>, false, 6},
    {"SHA224", "SHA-224", 28, make<SHA224>, false, 7},
    {"SHA256", "SHA-256", 32, make<SHA256>, false, 8},
    {"SHA384", "SHA-384", 48, make<SHA384>, false, 9},
    {"SHA512", "SHA-512", 64, make<SHA512>, false, 10},
    {"Tiger", "Tiger", 24, make<Tiger>, false, 11},
    {"RIPEMD160", "RIPEMD-160", 20, make<RIPEMD160>, false, 15},
    {"RIPEMD128", "RIPEMD-128", 16, make<RIPEMD128>, false, 13},
    {"RIPEMD256", "RIPEMD-256", 32, make<RIPEMD256>, false, 14},
    {"WHIRLPOOL", "WHIRLPOOL", 64, make<Whirlpool>, false, 12},
    {"PANAMA", "Panama (LE)", 32, make<PanamaLE>, false, 16},
}};

const std::array<std::size_t, kAlgorithmCount> kCreationOrder = {
    row::SHA1,      row::SHA256,    row::SHA224,    row::SHA384,    row::SHA512, row::Tiger,
    row::RIPEMD160, row::RIPEMD128, row::RIPEMD256, row::WHIRLPOOL, row::MD5,    row::MD2,
    row::MD4,       row::CRC32,     row::ADLER32,   row::PANAMA,
};

} // namespace digest
