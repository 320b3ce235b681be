#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include <cryptopp/cryptlib.h>

#include "digest/algorithms.h"
#include "digest/compute.h"
#include "digest/hash_to_hex.h"
#include "fake_window.h"
#include "known_answers.h"

using namespace digest;

namespace {

const std::map<std::string, std::string> kInputs = {
    {"empty", ""},
    {"abc", "abc"},
    {"digits", "123456789"},
    {"fox", "The quick brown fox jumps over the lazy dog"},
    {"million-a", std::string(1000000, 'a')},
};

std::string digestOf(const Algorithm& a, const std::string& data, std::size_t piece) {
    auto h = a.make();
    for (std::size_t at = 0; at < data.size(); at += piece)
        h->Update(reinterpret_cast<const CryptoPP::byte*>(data.data()) + at,
                  std::min(piece, data.size() - at));
    return HashToHex(*h);
}

class KnownAnswers : public ::testing::Test {
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

TEST_F(KnownAnswers, EveryRowGivesThePublishedDigestsWhetherFedWholeOrInPieces) {
    std::map<std::string, std::set<std::string>> covered;
    for (const auto& k : kKnownAnswers) {
        SCOPED_TRACE(std::string(k.tag) + " of " + k.input + " from " + k.source);
        const auto a =
            std::find_if(kAlgorithms.begin(), kAlgorithms.end(),
                         [&](const Algorithm& a) { return k.tag == std::string(a.tag); });
        ASSERT_NE(a, kAlgorithms.end());
        const std::string& data = kInputs.at(k.input);
        EXPECT_EQ(digestOf(*a, data, std::max<std::size_t>(data.size(), 1)), k.hex);
        covered[k.tag].insert(k.input);
    }
    std::string data(5000, '\0');
    std::mt19937 gen(1);
    for (auto& c : data)
        c = static_cast<char>(gen());
    for (const auto& a : kAlgorithms) {
        SCOPED_TRACE(a.tag);
        for (const char* input : {"empty", "abc", "digits", "fox"})
            EXPECT_TRUE(covered[a.tag].count(input)) << "no vector for " << input;
        const std::string whole = digestOf(a, data, data.size());
        for (std::size_t piece : {1, 3, 1024})
            EXPECT_EQ(digestOf(a, data, piece), whole) << "pieces of " << piece;
    }
}

TEST_F(KnownAnswers, ShownTextsAreUppercaseHexOfTheRowsLengthWithCrc32PairsReversed) {
    auto crc = kAlgorithms[row::CRC32].make();
    crc->Update(reinterpret_cast<const CryptoPP::byte*>("123456789"), 9);
    EXPECT_EQ(HashToHex(*crc), "2639F4CB");

    const FakeWindow w = shown("123456789");
    EXPECT_EQ(w.results[row::CRC32], "CBF43926");
    EXPECT_EQ(w.results[row::ADLER32], "091E01DE");
    const FakeWindow empty = shown("");
    EXPECT_EQ(empty.results[row::CRC32], "00000000");
    EXPECT_EQ(empty.results[row::ADLER32], "00000001");

    for (std::size_t r = 0; r < kAlgorithmCount; ++r) {
        SCOPED_TRACE(kAlgorithms[r].tag);
        EXPECT_EQ(kAlgorithms[r].make()->DigestSize(), kAlgorithms[r].digestSize);
        EXPECT_EQ(w.results[r].size(), 2 * kAlgorithms[r].digestSize);
        EXPECT_EQ(w.results[r].find_first_not_of("0123456789ABCDEF"), std::string::npos);
    }
}

} // namespace
