#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <utility>

#include "digest/compute.h"
#include "digest/hash_to_hex.h"
#include "fake_window.h"
#include "file_helpers.h"
#include "recording_hash.h"

using namespace digest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

namespace {

class FileInput : public ::testing::Test {
protected:
    void SetUp() override {
        MakeHexState();
        w.textInput = false;
        w.fileInput = true;
    }
    void TearDown() override { EndHexState(); }

    void press(const FileOpener& open = {}) { Compute(w, {}, open); }
    void pressRecorded() { Compute(w, RecordingHash::maker(w.calls)); }
    void expectUntouched() const {
        for (const auto& r : w.results)
            EXPECT_EQ(r, "earlier");
    }

    TempDir dir;
    FakeWindow w;
};

// The library's own object for a row fed the bytes in one piece (rows shown as emitted).
std::string directDigest(std::size_t row, const std::string& bytes) {
    auto hash = kAlgorithms[row].make();
    hash->Update(reinterpret_cast<const CryptoPP::byte*>(bytes.data()), bytes.size());
    return HashToHex(*hash);
}

TEST_F(FileInput, ARefusedNameIsToldAtThePlacementPointAndNothingElseChanges) {
    struct Case {
        std::string name, message;
        WindowBounds bounds;
        std::string at;
    };
    const std::string missing = dir.path() + "/нет такого файла .bin ";
    const auto cannotOpen = [](const std::string& n) { return CannotOpenMessage(n); };
    for (const Case& c : {
             Case{"", "Не введено имя файла!", {0, 0, 403, 610}, "@101,255"},
             Case{"", "Не введено имя файла!", {-300, -400, 403, 610}, "@-199,-145"},
             Case{" ", "Невозможно открыть файл \" \"!", {0, 0, 403, 610}, "@101,255"},
             Case{missing, cannotOpen(missing), {0, 0, 403, 610}, "@101,255"},
             Case{dir.path(), cannotOpen(dir.path()), {0, 0, 403, 610}, "@101,255"},
         }) {
        SCOPED_TRACE("'" + c.name + "'");
        w.tickAll();
        w.results.fill("earlier");
        w.min = 1, w.max = 7, w.position = 7, w.step = 1;
        w.calls.clear();
        w.fileName = c.name;
        w.bounds = c.bounds;
        press();
        EXPECT_THAT(w.calls, ElementsAre("TextInputChecked", "FileInputChecked", "InputFileName",
                                         "FormBounds", "ShowError " + c.message + " " + c.at));
        expectUntouched();
        EXPECT_EQ(std::vector({w.min, w.max, w.position, w.step}), std::vector({1, 7, 7, 1}));
        EXPECT_EQ(w.fileName, c.name);
    }
}

TEST(MessagePoint, IsAHundredLeftAndFiftyAboveTheCentreHalvingTowardZero) {
    for (const auto& [form, x, y] : {std::tuple{WindowBounds{-102, -256, 403, 610}, -1, -1},
                                     {WindowBounds{-7, -9, 3, 5}, -106, -57},
                                     {WindowBounds{0, 0, -3, -3}, -101, -51}}) { // -3 / 2 is -1
        const Point p = MessagePoint(form);
        EXPECT_EQ(std::pair(p.x, p.y), std::pair(x, y));
    }
}

// Digests of PseudoRandomBytes(kBigSize) from tools outside the program: python3 hashlib 3.11
// (MD5, SHA-1, SHA-2, RIPEMD-160), python3 zlib (CRC32, Adler32) and rhash 1.4 (MD4, Tiger,
// Whirlpool; it agreed on RIPEMD-160 and CRC32).
constexpr std::size_t kBigSize = 3 * (1 << 20) + 517;
const std::map<std::size_t, std::string> kIndependent = {
    {row::MD5, "E1C04C18B1F0547223464116366299F9"},
    {row::MD4, "A418AE01289A370EF300F24FEF138AB9"},
    {row::CRC32, "FC870DC4"},
    {row::ADLER32, "EEF685F9"},
    {row::SHA1, "9EA7DA270BBD8C5B8AA2DE2CBEC3A69FB6A3CAC4"},
    {row::SHA224, "4E5A2100E3D5B6665542B563AB353740AF560B0D128C37CE15B02F78"},
    {row::SHA256, "68E42CCDDBF76030A2F8C3921C247C4F1112D0C6AFE6CD475BAF7A45236FC6B6"},
    {row::SHA384, "A0D1987A2DC8BC219290D6C1F59DA325E75CC3A6F5E0FC5B207315BCFEAE08C79D171E5B93"
                  "E3DF2A4ACE1430DE6A58EB"},
    {row::SHA512, "02A684C42F05D3C65F5078037E3C3028AB3F32179AF8997ECC356C7DFE69F1225AB3B164E6"
                  "3078CA2C58240794A195F4A71E1CB7F0A8AE7F52C509824BA510AE"},
    {row::Tiger, "8047602439CF1E2C2BC3252713C2F798D167E1475A21296B"},
    {row::RIPEMD160, "9DCA6CE7D80A42B31F87AF1EEE7AF50D5ECECDB9"},
    {row::WHIRLPOOL, "3B0698ECA8D618DED6A973C98DC1186F4431428793C31FF3C008FE26E9E9651DC57765C0"
                     "04F17EAC72D17B4768C5130122820B09D6094574193CFF63DB569CEA"}};

TEST_F(FileInput, AFileGivesTheDigestsOfItsTextAndThoseOfIndependentTools) {
    w.tickAll();
    for (std::size_t size : {0, 1023, 1024, 1025}) {
        std::string bytes = PseudoRandomBytes(size);
        std::replace(bytes.begin(), bytes.end(), '\0', 'z'); // the text would end at a zero
        w.textInput = true, w.fileInput = false, w.memo = bytes;
        press();
        const auto fromText = w.results;
        w.results = {};
        w.textInput = false, w.fileInput = true;
        // A name with Cyrillic letters and blanks opens through the native name.
        w.fileName = dir.write("Мой файл " + std::to_string(size), bytes);
        press();
        EXPECT_EQ(w.results, fromText) << size << " bytes";
    }
    w.fileName = dir.write("big", PseudoRandomBytes(kBigSize));
    press();
    for (const auto& [r, hex] : kIndependent)
        EXPECT_EQ(w.results[r], hex) << kAlgorithms[r].tag;
    EXPECT_THAT(w.callsStartingWith("ShowError"), IsEmpty());
}

TEST_F(FileInput, EachBlockReadsEveryBoxFeedsTheTickedRowsAndStepsTheBarOnce) {
    struct Case {
        std::size_t size;
        int max, afterLoop; // the position before the bar is filled
        bool crc32;         // else no row is ticked: the file is still read and stepped
    };
    for (const Case c : {Case{0, 2, 1, true}, Case{1023, 2, 2, true}, Case{1024, 3, 2, true},
                         Case{1025, 3, 3, true}, Case{2049, 4, 4, false}}) {
        SCOPED_TRACE(std::to_string(c.size) + " bytes");
        w.min = 1, w.max = 2, w.position = 2, w.step = 1; // full from an earlier text run
        w.calls.clear();
        w.results.fill("earlier");
        w.ticked[row::CRC32] = c.crc32;
        int afterLoop = -1;
        w.onCall = [&](const std::string& call) {
            if (call == "ReadMax")
                afterLoop = w.position;
        };
        w.fileName = dir.write("f", PseudoRandomBytes(c.size));
        pressRecorded();

        const std::string max = std::to_string(c.max);
        std::vector<std::string> expected = {
            "FileInputChecked", "InputFileName", "Position 0", "Max " + max,
            "ReadMax",          "Min 1",         "Step 1"};
        for (std::size_t at = 0; at < c.size; at += 1024) {
            for (std::size_t r = 0; r < kAlgorithmCount; ++r) {
                expected.push_back("Checked " + FakeWindow::tag(r));
                if (c.crc32 && r == row::CRC32)
                    expected.push_back("Update CRC32 " +
                                       std::to_string(std::min(c.size - at, kBlockSize)));
            }
            expected.push_back("StepIt");
        }
        expected.insert(expected.end(), {"ReadMax", "Position " + max});
        std::vector<std::string> got(std::find(w.calls.begin(), w.calls.end(), "FileInputChecked"),
                                     w.calls.end());
        got.resize(std::min(got.size(), expected.size()));
        EXPECT_EQ(got, expected);
        EXPECT_EQ(afterLoop, c.afterLoop);
        EXPECT_EQ(std::vector({w.min, w.max, w.position, w.step}),
                  std::vector({1, c.max, c.max, 1}));
        if (!c.crc32)
            expectUntouched();
    }
}

TEST(PlanProgress, CountsBlocksBelowTwoTebibytesAndGroupsThemAbove) {
    struct Case {
        std::int64_t size, blocks, perStep;
        int max;
    };
    const std::int64_t lastSingle = (std::int64_t{INT32_MAX} - 2) * 1024 + 1023;
    for (const Case c : {
             Case{-1, 0, 1, 2}, // size unknown
             Case{0, 0, 1, 2},
             Case{(std::int64_t{1} << 31) - 1, 2097151, 1, 2097153},
             Case{std::int64_t{1} << 31, 2097152, 1, 2097154},
             Case{(std::int64_t{1} << 32) + 5, 4194304, 1, 4194306},
             Case{std::int64_t{1} << 40, 1073741824, 1, 1073741826},
             Case{lastSingle, INT32_MAX - 2, 1, INT32_MAX},
             Case{lastSingle + 1, std::int64_t{INT32_MAX} - 1, 2, (INT32_MAX - 1) / 2 + 2},
             Case{std::int64_t{1} << 42, std::int64_t{1} << 32, 3, 1431655767},
         }) {
        const ProgressPlan p = PlanProgress(c.size);
        EXPECT_EQ(std::tuple(p.blocks, p.blocksPerStep, p.max),
                  std::tuple(c.blocks, c.perStep, c.max))
            << c.size;
    }
    // The largest size a stream can report still fits, with the smallest grouping that does.
    const ProgressPlan p = PlanProgress(INT64_MAX);
    EXPECT_LE(p.blocks / p.blocksPerStep + 2, INT32_MAX);
    EXPECT_GT(p.blocks / (p.blocksPerStep - 1) + 2, INT32_MAX);
}

TEST_F(FileInput, AHugeFileStepsOncePerGroupOfBlocks) {
    FakeStream s; // claims 4 TiB (three blocks a step) and delivers seven blocks
    s.data = PseudoRandomBytes(7 * 1024);
    s.claimedSize = std::int64_t{1} << 42;
    w.fileName = "huge";
    w.ticked[row::MD5] = true;
    press(s.opener());
    EXPECT_THAT(w.callsStartingWith("StepIt"), SizeIs(2));
    EXPECT_EQ(w.max, 1431655767);
    EXPECT_EQ(w.position, w.max);
    EXPECT_EQ(w.results[row::MD5], directDigest(row::MD5, s.data));
    EXPECT_TRUE(s.closed);
}

TEST_F(FileInput, AReadErrorIsToldAndNoDigestIsShown) {
    for (std::size_t goodBytes : {0, 5000}) {
        FakeStream s;
        s.data = PseudoRandomBytes(9000);
        s.failAfter = goodBytes;
        w.calls.clear();
        w.results.fill("earlier");
        w.tickAll();
        w.fileName = "диск/файл";
        press(s.opener());
        EXPECT_THAT(w.callsStartingWith("ShowError"),
                    ElementsAre("ShowError Ошибка чтения файла \"диск/файл\"! @101,255"));
        expectUntouched();
        EXPECT_TRUE(s.closed);
        // The bar stays where the reading stopped.
        EXPECT_THAT(w.callsStartingWith("StepIt"), SizeIs(goodBytes / 1024));
        EXPECT_EQ(w.position, 1 + static_cast<int>(goodBytes / 1024));
    }
}

TEST_F(FileInput, TheFileIsClosedWhenTheWindowThrowsMidway) {
    FakeStream s;
    s.data = PseudoRandomBytes(4000);
    w.fileName = "f";
    w.onCall = [](const std::string& call) {
        if (call == "StepIt")
            throw std::runtime_error("bar failed");
    };
    EXPECT_THROW(press(s.opener()), std::runtime_error);
    EXPECT_TRUE(s.closed);
}

TEST_F(FileInput, AFileThatGrowsOrShrinksWhileReadIsHashedToTheEndItFinds) {
    // The cut lies beyond what the stream buffers at its first read, so the cut is what it meets.
    const std::string bytes = PseudoRandomBytes(3 * kStreamBufferSize);
    for (const auto& [before, after] : {std::pair<std::size_t, std::size_t>{3000, 5000},
                                        {bytes.size(), kStreamBufferSize + 1500}}) {
        SCOPED_TRACE(std::to_string(before) + " -> " + std::to_string(after));
        w.calls.clear();
        w.fileName = dir.write("changes", bytes.substr(0, before));
        w.ticked[row::SHA1] = true;
        bool changed = false;
        w.onCall = [&, after = after](const std::string& call) {
            if (call == "StepIt" && !std::exchange(changed, true))
                dir.write("changes", bytes.substr(0, after));
        };
        press();
        EXPECT_EQ(w.results[row::SHA1], directDigest(row::SHA1, bytes.substr(0, after)));
        EXPECT_THAT(w.callsStartingWith("StepIt"), SizeIs((after + 1023) / 1024));
        // Measured before the change: the range stays.
        EXPECT_EQ(w.max, static_cast<int>(before / 1024 + 2));
        EXPECT_EQ(w.position, w.max);
    }
}

} // namespace
