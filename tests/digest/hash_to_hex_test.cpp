#include <gtest/gtest.h>

#include <cryptopp/cryptlib.h>

#include "digest/algorithms.h"
#include "digest/compute.h"
#include "digest/hash_to_hex.h"
#include "fake_window.h"

using namespace digest;

namespace {

class DigestText : public ::testing::Test {
protected:
    void SetUp() override { MakeHexState(); }
    void TearDown() override { EndHexState(); }

    // What the window shows for text after one press with every row ticked.
    static FakeWindow shown(const std::string& text) {
        FakeWindow w;
        w.tickAll();
        w.memo = text;
        Compute(w);
        return w;
    }
};

TEST_F(DigestText, StateStartsAsTenBytesAndEmptyText) {
    EXPECT_EQ(DigestBuffer->size(), 10u);
    EXPECT_TRUE(HexText->empty());
}

TEST_F(DigestText, Crc32IsShownMostSignificantByteFirstAdler32AsEmitted) {
    auto crc = kAlgorithms[row::CRC32].make();
    crc->Update(reinterpret_cast<const CryptoPP::byte*>("123456789"), 9);
    EXPECT_EQ(HashToHex(*crc), "2639F4CB");

    FakeWindow w = shown("123456789");
    EXPECT_EQ(w.results[row::CRC32], "CBF43926");
    EXPECT_EQ(w.results[row::ADLER32], "091E01DE");

    FakeWindow empty = shown("");
    EXPECT_EQ(empty.results[row::CRC32], "00000000");
    EXPECT_EQ(empty.results[row::ADLER32], "00000001");
}

TEST_F(DigestText, EveryTextHasItsRowsLengthAndOnlyHexDigits) {
    FakeWindow w = shown("abc");
    for (std::size_t r = 0; r < kAlgorithmCount; ++r) {
        SCOPED_TRACE(kAlgorithms[r].tag);
        EXPECT_EQ(kAlgorithms[r].make()->DigestSize(), kAlgorithms[r].digestSize);
        EXPECT_EQ(w.results[r].size(), 2 * kAlgorithms[r].digestSize);
        EXPECT_EQ(w.results[r].find_first_not_of("0123456789ABCDEF"), std::string::npos);
    }
}

TEST_F(DigestText, SuccessiveCallsNeitherRunTogetherNorChangeAnEarlierResult) {
    auto sha512 = kAlgorithms[row::SHA512].make();
    auto crc = kAlgorithms[row::CRC32].make();
    const std::string first = HashToHex(*sha512);
    const std::string second = HashToHex(*crc);
    EXPECT_EQ(first.size(), 128u);
    EXPECT_EQ(second, "00000000");
    EXPECT_EQ(first.substr(0, 8), "CF83E135"); // SHA-512 of the empty message
    EXPECT_EQ(*HexText, second);
    EXPECT_EQ(DigestBuffer->size(), 4u);
}

} // namespace
