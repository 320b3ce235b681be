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
    {"MD5", make<Weak1::MD5>, false},
    {"MD2", make<Weak1::MD2>, false},
    {"MD4", make<Weak1::MD4>, false},
    {"CRC32", make<CRC32>, true},
    {"ADLER32", make<Adler32>, false},
    {"SHA1", make<SHA1>, false},
    {"SHA224", make<SHA224>, false},
    {"SHA256", make<SHA256>, false},
    {"SHA384", make<SHA384>, false},
    {"SHA512", make<SHA512>, false},
    {"Tiger", make<Tiger>, false},
    {"RIPEMD160", make<RIPEMD160>, false},
    {"RIPEMD128", make<RIPEMD128>, false},
    {"RIPEMD256", make<RIPEMD256>, false},
    {"WHIRLPOOL", make<Whirlpool>, false},
    {"PANAMA", make<PanamaLE>, false},
}};

const std::array<std::size_t, kAlgorithmCount> kCreationOrder = {
    row::SHA1,      row::SHA256,    row::SHA224,    row::SHA384,    row::SHA512, row::Tiger,
    row::RIPEMD160, row::RIPEMD128, row::RIPEMD256, row::WHIRLPOOL, row::MD5,    row::MD2,
    row::MD4,       row::CRC32,     row::ADLER32,   row::PANAMA,
};

} // namespace digest
