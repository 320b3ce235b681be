#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "digest/compute.h"
#include "digest/hash_to_hex.h"
#include "fake_window.h"
#include "recording_hash.h"

using namespace digest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class ComputeText : public ::testing::Test {
protected:
    void SetUp() override { MakeHexState(); }
    void TearDown() override { EndHexState(); }

    void press() { Compute(w, RecordingHash::maker(w.calls)); }

    FakeWindow w;
};

// "make" or "release" for every row, in the order a hash set makes or releases them.
std::vector<std::string> lifeLog(const char* what) {
    std::vector<std::string> out;
    for (std::size_t r : kCreationOrder)
        out.push_back(std::string(what) + " " + kAlgorithms[r].tag);
    if (what == std::string("release"))
        std::reverse(out.begin(), out.end());
    return out;
}

TEST_F(ComputeText, FeedsAndShowsOnlyTickedRowsReadingEveryBoxAtEachStep) {
    w.memo = "abc";
    w.ticked[row::MD5] = w.ticked[row::CRC32] = true;
    w.results[row::CRC32] = "earlier";
    press();

    std::vector<std::string> expected = lifeLog("make");
    expected.insert(expected.end(), {"TextInputChecked", "MemoText"});
    for (const auto& a : kAlgorithms) {
        expected.push_back(std::string("Checked ") + a.tag);
        if (a.tag == std::string("MD5") || a.tag == std::string("CRC32"))
            expected.push_back(std::string("Update ") + a.tag + " 3");
    }
    expected.insert(expected.end(), {"Position 2", "Max 2", "Min 1", "Step 1", "FileInputChecked"});
    for (const auto& a : kAlgorithms) {
        expected.push_back(std::string("Checked ") + a.tag);
        if (a.tag == std::string("MD5"))
            expected.insert(expected.end(),
                            {"Final MD5", "SetText EditMD5 900150983CD24FB0D6963F7D28E17F72"});
        if (a.tag == std::string("CRC32"))
            expected.insert(expected.end(),
                            {"SetText EditCRC32 ", "Final CRC32", "SetText EditCRC32 352441C2"});
    }
    const auto release = lifeLog("release");
    expected.insert(expected.end(), release.begin(), release.end());
    EXPECT_EQ(w.calls, expected);
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

TEST_F(ComputeText, TheTextIsFedOnceEvenWhenEmptyAndEndsAtItsFirstZeroByte) {
    w.ticked[row::MD5] = true;
    for (const auto& [memo, update] :
         {std::pair{std::string(), "Update MD5 0"}, {std::string("abc\0def", 7), "Update MD5 3"}}) {
        w.memo = memo;
        w.calls.clear();
        press();
        EXPECT_THAT(w.callsStartingWith("Update"), ElementsAre(update));
    }
}

TEST_F(ComputeText, WithNeitherRadioButtonNothingIsFedAndTheBarIsLeftAlone) {
    w.textInput = false;
    w.ticked[row::ADLER32] = true;
    press();
    EXPECT_THAT(w.callsStartingWith("Update"), IsEmpty());
    EXPECT_THAT(w.callsStartingWith("MemoText"), IsEmpty());
    EXPECT_EQ(w.results[row::ADLER32], "00000001");
    EXPECT_EQ(w.max, 100);
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
    const auto release = lifeLog("release");
    EXPECT_EQ(std::vector(w.calls.end() - 16, w.calls.end()), release);

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
    std::vector<std::string> expected = lifeLog("make"), release = lifeLog("release");
    expected.resize(10);
    expected.insert(expected.end(), release.end() - 10, release.end());
    EXPECT_EQ(log, expected);
    EXPECT_THAT(w.calls, IsEmpty());
}

} // namespace
