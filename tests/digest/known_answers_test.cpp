#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include <cryptopp/cryptlib.h>

#include "digest/algorithms.h"
#include "digest/hash_to_hex.h"
#include "known_answers.h"

using namespace digest;

namespace {

const std::map<std::string, std::string>& inputs() {
    static const std::map<std::string, std::string> m = {
        {"empty", ""},
        {"abc", "abc"},
        {"digits", "123456789"},
        {"fox", "The quick brown fox jumps over the lazy dog"},
        {"million-a", std::string(1000000, 'a')},
    };
    return m;
}

const Algorithm& byTag(const std::string& tag) {
    for (const auto& a : kAlgorithms)
        if (tag == a.tag)
            return a;
    throw std::out_of_range("no algorithm " + tag);
}

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
};

TEST_F(KnownAnswers, EveryAlgorithmGivesThePublishedDigests) {
    for (const auto& k : kKnownAnswers) {
        SCOPED_TRACE(std::string(k.tag) + " of " + k.input + " from " + k.source);
        const std::string& data = inputs().at(k.input);
        EXPECT_EQ(digestOf(byTag(k.tag), data, std::max<std::size_t>(data.size(), 1)), k.hex);
    }
}

TEST_F(KnownAnswers, EveryRowOfTheTableHasVectors) {
    std::map<std::string, std::set<std::string>> covered;
    for (const auto& k : kKnownAnswers)
        covered[k.tag].insert(k.input);
    for (const auto& a : kAlgorithms) {
        SCOPED_TRACE(a.tag);
        for (const char* input : {"empty", "abc", "digits", "fox"})
            EXPECT_TRUE(covered[a.tag].count(input)) << input;
    }
}

TEST_F(KnownAnswers, PiecesGiveTheSameDigestAsOnePiece) {
    std::string data(5000, '\0');
    std::mt19937 gen(1);
    for (auto& c : data)
        c = static_cast<char>(gen());
    for (const auto& a : kAlgorithms) {
        SCOPED_TRACE(a.tag);
        const std::string whole = digestOf(a, data, data.size());
        for (std::size_t piece : {1, 3, 1024})
            EXPECT_EQ(digestOf(a, data, piece), whole) << "pieces of " << piece;
    }
}

} // namespace
