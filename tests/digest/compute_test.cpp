#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "digest/compute.h"
#include "digest/hash_to_hex.h"
#include "fake_window.h"
#include "recording_hash.h"

using namespace digest;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

class ComputeText : public ::testing::Test {
protected:
    void SetUp() override { MakeHexState(); }
    void TearDown() override { EndHexState(); }

    void press() { Compute(w, RecordingHash::maker(w.calls)); }

    FakeWindow w;
};

std::vector<std::string> creationLog() {
    std::vector<std::string> out;
    for (std::size_t r : kCreationOrder)
        out.push_back(std::string("make ") + kAlgorithms[r].tag);
    return out;
}

std::vector<std::string> releaseLog() {
    std::vector<std::string> out;
    for (auto it = kCreationOrder.rbegin(); it != kCreationOrder.rend(); ++it)
        out.push_back(std::string("release ") + kAlgorithms[*it].tag);
    return out;
}

TEST_F(ComputeText, FeedsAndShowsOnlyTickedRowsReadingEveryBoxAtEachStep) {
    w.memo = "abc";
    w.ticked[row::MD5] = w.ticked[row::CRC32] = true;
    w.results[row::CRC32] = "earlier";
    press();

    std::vector<std::string> expected = creationLog();
    expected.insert(expected.end(), {"TextInputChecked", "MemoText"});
    for (const auto& a : kAlgorithms) {
        expected.push_back(std::string("Checked ") + a.tag);
        if (a.tag == std::string("MD5") || a.tag == std::string("CRC32"))
            expected.push_back(std::string("Update ") + a.tag + " 3");
    }
    expected.insert(expected.end(),
                    {"Position 2", "Max 2", "Min 1", "Step 1", "FileInputChecked"});
    for (const auto& a : kAlgorithms) {
        expected.push_back(std::string("Checked ") + a.tag);
        if (a.tag == std::string("MD5"))
            expected.insert(expected.end(),
                            {"Final MD5", "SetText EditMD5 900150983CD24FB0D6963F7D28E17F72"});
        if (a.tag == std::string("CRC32"))
            expected.insert(expected.end(), {"SetText EditCRC32 ", "Final CRC32",
                                             "SetText EditCRC32 352441C2"});
    }
    const auto release = releaseLog();
    expected.insert(expected.end(), release.begin(), release.end());
    EXPECT_THAT(w.calls, ElementsAreArray(expected));
    EXPECT_EQ(w.min, 1);
    EXPECT_EQ(w.max, 2);
    EXPECT_EQ(w.position, 2);
    EXPECT_EQ(w.step, 1);
}

TEST_F(ComputeText, AnEqualResultIsNotRewrittenButCrc32IsEmptiedAndRefilled) {
    w.memo = "same";
    w.tickAll();
    press();
    const auto first = w.results;
    w.calls.clear();
    press();
    EXPECT_EQ(w.results, first);
    EXPECT_THAT(w.callsStartingWith("SetText"),
                ElementsAre("SetText EditCRC32 ", "SetText EditCRC32 " + first[row::CRC32]));
}

TEST_F(ComputeText, AnUntickedFieldKeepsItsTextWhileTickedRowsChange) {
    w.memo = "first";
    w.ticked[row::MD5] = w.ticked[row::SHA1] = true;
    press();
    const std::string md5 = w.results[row::MD5];
    const std::string sha1 = w.results[row::SHA1];

    w.ticked[row::MD5] = false;
    w.memo = "second";
    press();
    EXPECT_EQ(w.results[row::MD5], md5);
    EXPECT_NE(w.results[row::SHA1], sha1);
}

TEST_F(ComputeText, NoBoxTickedReadsTheTextFillsTheBarAndWritesNothing) {
    w.memo = "text";
    press();
    EXPECT_THAT(w.callsStartingWith("Update"), IsEmpty());
    EXPECT_THAT(w.callsStartingWith("Final"), IsEmpty());
    EXPECT_THAT(w.callsStartingWith("SetText"), IsEmpty());
    EXPECT_THAT(w.callsStartingWith("MemoText"), ElementsAre("MemoText"));
    EXPECT_EQ(w.position, 2);
    EXPECT_EQ(w.max, 2);
}

TEST_F(ComputeText, AnEmptyTextIsTheEmptyMessageFedWithLengthZero) {
    w.ticked[row::SHA256] = true;
    press();
    EXPECT_THAT(w.callsStartingWith("Update"), ElementsAre("Update SHA256 0"));
    EXPECT_EQ(w.results[row::SHA256],
              "E3B0C44298FC1C149AFBF4C8996FB92427AE41E4649B934CA495991B7852B855");
}

TEST_F(ComputeText, TheTextEndsAtItsFirstZeroByte) {
    w.memo = std::string("abc\0def", 7);
    w.ticked[row::MD5] = true;
    press();
    EXPECT_THAT(w.callsStartingWith("Update"), ElementsAre("Update MD5 3"));
}

TEST_F(ComputeText, WithNeitherRadioButtonNothingIsFedAndTheBarIsLeftAlone) {
    w.textInput = false;
    w.memo = "ignored";
    w.ticked[row::ADLER32] = true;
    press();
    EXPECT_THAT(w.callsStartingWith("Update"), IsEmpty());
    EXPECT_THAT(w.callsStartingWith("MemoText"), IsEmpty());
    EXPECT_EQ(w.results[row::ADLER32], "00000001");
    EXPECT_EQ(w.max, 100);
    EXPECT_EQ(w.position, 0);
}

TEST_F(ComputeText, AnExceptionInTheDisplayKeepsWhatWasWrittenAndReleasesEverything) {
    w.memo = "abc";
    w.tickAll();
    w.onCall = [](const std::string& call) {
        if (call.rfind("SetText EditSHA1 ", 0) == 0)
            throw std::runtime_error("window failed");
    };
    EXPECT_THROW(press(), std::runtime_error);

    for (std::size_t r = 0; r < kAlgorithmCount; ++r)
        EXPECT_EQ(w.results[r].empty(), r >= row::SHA1) << kAlgorithms[r].tag;
    const auto release = releaseLog();
    const std::vector<std::string> tail(w.calls.end() - release.size(), w.calls.end());
    EXPECT_EQ(tail, release);

    // The state of HashToHex stays usable.
    w.onCall = nullptr;
    press();
    EXPECT_EQ(w.results[row::SHA1], "A9993E364706816ABA3E25717850C26C9CD0D89D");
}

TEST_F(ComputeText, AHashObjectThatCannotBeMadeReleasesThoseAlreadyMade) {
    std::vector<std::string> log;
    auto failing = [&log](std::size_t r) -> std::unique_ptr<CryptoPP::HashTransformation> {
        if (r == row::MD5)
            throw std::bad_alloc();
        return std::make_unique<RecordingHash>(r, log);
    };
    EXPECT_THROW(Compute(w, failing), std::bad_alloc);
    // MD5 is the eleventh made: the ten before it go in reverse.
    const auto made = creationLog();
    std::vector<std::string> expected(made.begin(), made.begin() + 10);
    const auto release = releaseLog();
    expected.insert(expected.end(), release.end() - 10, release.end());
    EXPECT_EQ(log, expected);
    EXPECT_THAT(w.calls, IsEmpty());
}

} // namespace
