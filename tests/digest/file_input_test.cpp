#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <map>

#include "digest/compute.h"
#include "digest/hash_to_hex.h"
#include "fake_window.h"
#include "file_helpers.h"
#include "recording_hash.h"

using namespace digest;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
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
    void pressRecorded(const FileOpener& open = {}) {
        Compute(w, RecordingHash::maker(w.calls), open);
    }
    void pressFile(const std::string& bytes) {
        w.fileName = dir.write("input.bin", bytes);
        press();
    }

    // The bar's calls in order: its settings, the reads of Max and the steps.
    std::vector<std::string> barCalls() const {
        std::vector<std::string> out;
        for (const auto& c : w.calls)
            for (const char* p : {"Position ", "Max ", "ReadMax", "Min ", "Step"})
                if (c.rfind(p, 0) == 0)
                    out.push_back(c);
        return out;
    }

    TempDir dir;
    FakeWindow w;
};

// The library's own object for a row, fed the bytes in one piece: the reference for the
// algorithms that no independent tool on this system computes.
std::string directDigest(std::size_t row, const std::string& bytes) {
    auto hash = kAlgorithms[row].make();
    hash->Update(reinterpret_cast<const CryptoPP::byte*>(bytes.data()), bytes.size());
    return HashToHex(*hash);
}

// --- The gate --------------------------------------------------------------------------------

class Gate : public FileInput {
protected:
    void SetUp() override {
        FileInput::SetUp();
        w.results.fill("earlier");
        w.min = 1;
        w.max = 7;
        w.position = 7;
        w.step = 1;
    }
    // A refusal shows its one message at the placement point and touches nothing else.
    void expectRefusedWith(const std::string& message, const std::string& at = "@101,255") {
        EXPECT_THAT(w.calls, ElementsAre("TextInputChecked", "FileInputChecked", "InputFileName",
                                         "FormBounds", "ShowError " + message + " " + at));
        for (const auto& r : w.results)
            EXPECT_EQ(r, "earlier");
        EXPECT_EQ(w.min, 1);
        EXPECT_EQ(w.max, 7);
        EXPECT_EQ(w.position, 7);
        EXPECT_EQ(w.step, 1);
    }
};

TEST_F(Gate, AnEmptyNameIsRefusedWithoutTouchingTheFileSystem) {
    w.tickAll();
    bool opened = false;
    press([&opened](const std::string&) {
        opened = true;
        return nullptr;
    });
    EXPECT_FALSE(opened);
    expectRefusedWith("Не введено имя файла!");
    EXPECT_EQ(w.fileName, "");
}

TEST_F(Gate, ASingleBlankIsANameAndIsOpenedAsItStands) {
    w.fileName = " ";
    std::string tried;
    press([&tried](const std::string& native) {
        tried = native;
        return std::fopen(native.c_str(), "rb");
    });
    EXPECT_EQ(tried, " ");
    expectRefusedWith("Невозможно открыть файл \" \"!");
}

TEST_F(Gate, AMissingFileIsNamedExactlyAsTyped) {
    w.tickAll();
    w.fileName = dir.path() + "/нет такого файла .bin ";
    press();
    expectRefusedWith("Невозможно открыть файл \"" + w.fileName + "\"!");
    EXPECT_EQ(w.fileName, dir.path() + "/нет такого файла .bin ");
}

TEST_F(Gate, ADirectoryIsRefusedLikeAFileThatCannotBeOpened) {
    w.tickAll();
    w.fileName = dir.path();
    press();
    expectRefusedWith("Невозможно открыть файл \"" + dir.path() + "\"!");
}

TEST_F(Gate, TheBoxMovesWithTheWindowAndMayGetNegativeCoordinates) {
    w.bounds = {-300, -400, 403, 610};
    press();
    expectRefusedWith("Не введено имя файла!", "@-199,-145");
}

TEST_F(Gate, ACyrillicNameWithBlanksOpensThroughTheNativeName) {
    w.fileName = dir.write("Мой файл с пробелами.txt", "abc");
    w.ticked[row::MD5] = true;
    press();
    EXPECT_THAT(w.callsStartingWith("ShowError"), IsEmpty());
    EXPECT_EQ(w.results[row::MD5], "900150983CD24FB0D6963F7D28E17F72");
}

TEST_F(Gate, WithTextInputTheNameIsNeverLookedAt) {
    w.textInput = true;
    w.fileInput = false;
    press();
    EXPECT_THAT(w.callsStartingWith("InputFileName"), IsEmpty());
    EXPECT_THAT(w.callsStartingWith("ShowError"), IsEmpty());
}

TEST(MessagePoint, IsAHundredLeftAndFiftyAboveTheCentreHalvingTowardZero) {
    auto at = [](int left, int top, int width, int height) {
        const Point p = MessagePoint({left, top, width, height});
        return std::make_pair(p.x, p.y);
    };
    EXPECT_EQ(at(0, 0, 403, 610), std::make_pair(101, 255));
    EXPECT_EQ(at(-102, -256, 403, 610), std::make_pair(-1, -1));
    EXPECT_EQ(at(-101, -255, 403, 610), std::make_pair(0, 0));
    EXPECT_EQ(at(-7, -9, 3, 5), std::make_pair(-106, -57));
    // -3 / 2 is -1, not -2.
    EXPECT_EQ(at(0, 0, -3, -3), std::make_pair(-101, -51));
}

// --- Digests ---------------------------------------------------------------------------------

constexpr std::size_t kBigSize = 3 * (1 << 20) + 517;
const std::vector<std::size_t> kSizes = {0, 1023, 1024, 1025, kBigSize};

// Digests of PseudoRandomBytes(size), in the rows' display form, from tools outside the
// program: python3 hashlib 3.11 (MD5, SHA-1, SHA-2, RIPEMD-160), python3 zlib (CRC32, Adler32)
// and rhash 1.4 (MD4, Tiger, Whirlpool; it agreed on RIPEMD-160 and CRC32).
const std::map<std::size_t, std::map<std::size_t, std::string>> kIndependent = {
    {0,
     {{row::MD5, "D41D8CD98F00B204E9800998ECF8427E"},
      {row::MD4, "31D6CFE0D16AE931B73C59D7E0C089C0"},
      {row::CRC32, "00000000"},
      {row::ADLER32, "00000001"},
      {row::SHA1, "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709"},
      {row::SHA224, "D14A028C2A3A2BC9476102BB288234C415A2B01F828EA62AC5B3E42F"},
      {row::SHA256, "E3B0C44298FC1C149AFBF4C8996FB92427AE41E4649B934CA495991B7852B855"},
      {row::SHA384, "38B060A751AC96384CD9327EB1B1E36A21FDB71114BE07434C0CC7BF63F6E1DA274EDEBFE7"
                    "6F65FBD51AD2F14898B95B"},
      {row::SHA512, "CF83E1357EEFB8BDF1542850D66D8007D620E4050B5715DC83F4A921D36CE9CE47D0D13C5D"
                    "85F2B0FF8318D2877EEC2F63B931BD47417A81A538327AF927DA3E"},
      {row::Tiger, "3293AC630C13F0245F92BBB1766E16167A4E58492DDE73F3"},
      {row::RIPEMD160, "9C1185A5C5E9FC54612808977EE8F548B2258D31"},
      {row::WHIRLPOOL, "19FA61D75522A4669B44E39C1D2E1726C530232130D407F89AFEE0964997F7A73E83BE69"
                       "8B288FEBCF88E3E03C4F0757EA8964E59B63D93708B138CC42A66EB3"}}},
    {1023,
     {{row::MD5, "EBB6E36AA33D8F8B5B937CFA6281D33A"},
      {row::MD4, "F3C7FE19761C316C494284A6BF96E495"},
      {row::CRC32, "AABEF0A3"},
      {row::ADLER32, "700D08B1"},
      {row::SHA1, "57C4F267AC32502A61A9939B90DABADBFDAC69EF"},
      {row::SHA224, "9C69298F03F08DCA25D20428D25364B09EAD97627BD61104B35BF38A"},
      {row::SHA256, "EEF9C3194CCF7727C52956C12EADAA15CEDA187F85BA1B5F924DC06413A0945B"},
      {row::SHA384, "E60E487513F63505E0D329019E725AE404D3E7C18844C4FB1D76DFA2A7DD37AE43C4F42CEB"
                    "6A3F954E354F3FF967EBDF"},
      {row::SHA512, "7CC30301FEAF3804C91589F49CBC5BDA08E039762C0BEB61AEE4B5CEDC0BAA04CED5D62E5F"
                    "C52209534695820C4265DCF0CBB59FAAFE541199E1D2B266770E8C"},
      {row::Tiger, "3869E2DCFD242210D117DE6BF16CB129F8EB12BBB5FB7027"},
      {row::RIPEMD160, "948545D7320A74F3240B8FA20595885BA7E63AA8"},
      {row::WHIRLPOOL, "0FD4398C9BBF65B1A7B491FA3A9351BE7B6AD1A37CEF410F2754B2FF089F51C9044E64E9"
                       "54E389C45858CA9B89E7930B0B8D6BEFC14CB5096C065505527FB1A6"}}},
    {1024,
     {{row::MD5, "7115A8E8E137E3D980D1C9816E82F877"},
      {row::MD4, "12E07B554232248ABD36B4B9C983CE6D"},
      {row::CRC32, "9EC14123"},
      {row::ADLER32, "79400933"},
      {row::SHA1, "8BB1495797D82CCF9B06AB1BB432B9870DC39599"},
      {row::SHA224, "6FF33567A470693521F4FE487EAE1F904EEB24D62E2356D3C2B6C82A"},
      {row::SHA256, "017E05EF7F52E48B5E5C1A8D4A2FC870E23A9D4813179EBCB70724D084498077"},
      {row::SHA384, "3254C75B0F0B7EF88AD98E3E17445A85E6AE7910C86F8ECF1F18FA678C255A6F3AF874F1FB"
                    "E7AEF58C095A8BA8C54AE3"},
      {row::SHA512, "B73B345E0BD956B8E630AE6DEF28119DCECCAC5E7F5F88C3D26B7C32CEDEAF241254207A25"
                    "9FE7B24FD9BB075602C79C47F6184660F0890FBC913728D0C82526"},
      {row::Tiger, "E372FF0A70EA583F0BC5A5D9FBC28AB3179B8B49BB9FB9BF"},
      {row::RIPEMD160, "C4A7124A3B87BB50874DF77E283EC669DC3061C3"},
      {row::WHIRLPOOL, "C055C5AD9395232DE7811E6A063B9F328FD5DFDCF24E5CC56F9482AF4258AC9A62F84034"
                       "6249C56F47C928979FC32F4106DFA766E85C53ED5B2A733096A2D630"}}},
    {1025,
     {{row::MD5, "67BE5C43EAAE30B732103A028E1D1B13"},
      {row::MD4, "C6D5820954768E75123248D32870BBD7"},
      {row::CRC32, "CBF018BD"},
      {row::ADLER32, "832809E8"},
      {row::SHA1, "097027388AD957FD2068984CC35A27C91DABD2BB"},
      {row::SHA224, "9A0F9086855B2A5C421D4889F3D2F176B641C4E9706D55661257E8E5"},
      {row::SHA256, "DE45D033FC384B1D2AFA1914A497C883CEA4DC0A4562D9588951B8D49AF29883"},
      {row::SHA384, "ACFD0C7738A16BE57CD4FF3F977D148BEEE7E07DD091DBF93EA7A93A2A7CBD8370DED8926F"
                    "BD813E682CB285F63716FA"},
      {row::SHA512, "9E90E0B0D0E65EE52DEC26FD2C17C2D20CB91F315CFCD9AF243C9AE68D5FB3F6C5C66A288D"
                    "EF4B97F2F1ECB2B307075CF52B8F758F43A71E03A4396107B8BB9A"},
      {row::Tiger, "DA7561869A1C39B99CFB371565B38318327A68F280A4E59A"},
      {row::RIPEMD160, "4967D6764C8059BA65E1DDE685765A79C1463C2F"},
      {row::WHIRLPOOL, "B6711CFB8F67F9C5F24BBCD005F62DA6DDBA0882327825DDA444C126DE901A28805478FB"
                       "250A30C1D57E2AB1C826A05E6923651FFCD85BDEA18FCC6DF5A94F57"}}},
    {kBigSize,
     {{row::MD5, "E1C04C18B1F0547223464116366299F9"},
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
                       "04F17EAC72D17B4768C5130122820B09D6094574193CFF63DB569CEA"}}},
};

TEST_F(FileInput, AllSixteenMatchIndependentToolsOrTheLibraryFedInOnePiece) {
    w.tickAll();
    for (std::size_t size : kSizes) {
        const std::string bytes = PseudoRandomBytes(size);
        pressFile(bytes);
        const auto& independent = kIndependent.at(size);
        for (std::size_t r = 0; r < kAlgorithmCount; ++r) {
            const auto known = independent.find(r);
            const std::string expected =
                known != independent.end() ? known->second : directDigest(r, bytes);
            EXPECT_EQ(w.results[r], expected) << kAlgorithms[r].tag << ", " << size << " bytes";
        }
    }
}

TEST_F(FileInput, AFileOfTheTextsBytesGivesTheTextsDigests) {
    w.tickAll();
    w.textInput = true;
    w.fileInput = false;
    // A text holds no zero byte: the text path would stop at it.
    std::string tail = PseudoRandomBytes(5000);
    std::replace(tail.begin(), tail.end(), '\0', 'z');
    w.memo = "a\r\nb\r\n\xDF\xC0 " + tail;
    press();
    const auto fromText = w.results;

    w.results = {};
    w.textInput = false;
    w.fileInput = true;
    pressFile(w.memo);
    EXPECT_EQ(w.results, fromText);
}

// --- Reading order and the bar ---------------------------------------------------------------

TEST_F(FileInput, EachBlockReadsEveryBoxFeedsTheTickedRowsThenStepsOnce) {
    w.ticked[row::CRC32] = true;
    w.fileName = dir.write("f", PseudoRandomBytes(1025));
    pressRecorded();

    std::vector<std::string> expected = {"FileInputChecked", "InputFileName", "Position 0",
                                         "Max 3",           "ReadMax",       "Min 1",
                                         "Step 1"};
    for (std::size_t length : {1024, 1}) {
        for (const auto& a : kAlgorithms) {
            expected.push_back(std::string("Checked ") + a.tag);
            if (a.tag == std::string("CRC32"))
                expected.push_back("Update CRC32 " + std::to_string(length));
        }
        expected.push_back("StepIt");
    }
    expected.insert(expected.end(), {"ReadMax", "Position 3"});
    const auto from = std::find(w.calls.begin(), w.calls.end(), "FileInputChecked");
    const std::vector<std::string> fileCalls(from, from + static_cast<long>(expected.size()));
    EXPECT_EQ(fileCalls, expected);
    EXPECT_EQ(w.results[row::CRC32], "CBF018BD");
}

struct BarCase {
    std::size_t size;
    int max;
    int steps;
    int afterLoop; // the position before the bar is filled
};

TEST_F(FileInput, TheBarIsPreparedSteppedAndFilledInOrder) {
    for (const BarCase c : {BarCase{0, 2, 0, 1}, BarCase{1023, 2, 1, 2}, BarCase{1024, 3, 1, 2},
                            BarCase{1025, 3, 2, 3}, BarCase{2049, 4, 3, 4}}) {
        // Full from an earlier text run.
        w.min = 1;
        w.max = 2;
        w.position = 2;
        w.step = 1;
        w.calls.clear();
        std::vector<int> atReadMax;
        w.onCall = [&](const std::string& call) {
            if (call == "ReadMax")
                atReadMax.push_back(w.position);
        };
        pressFile(PseudoRandomBytes(c.size));

        std::vector<std::string> expected = {"Position 0", "Max " + std::to_string(c.max),
                                             "ReadMax", "Min 1", "Step 1"};
        expected.insert(expected.end(), static_cast<std::size_t>(c.steps), "StepIt");
        expected.insert(expected.end(), {"ReadMax", "Position " + std::to_string(c.max)});
        EXPECT_EQ(barCalls(), expected) << c.size << " bytes";
        ASSERT_THAT(atReadMax, SizeIs(2));
        EXPECT_EQ(atReadMax[1], c.afterLoop) << c.size << " bytes";
        EXPECT_EQ(w.min, 1);
        EXPECT_EQ(w.max, c.max);
        EXPECT_EQ(w.position, c.max);
        EXPECT_EQ(w.step, 1);
    }
}

TEST_F(FileInput, WithNoRowTickedTheWholeFileIsStillReadAndStepped) {
    w.results.fill("earlier");
    w.fileName = dir.write("f", PseudoRandomBytes(2049));
    pressRecorded();
    EXPECT_THAT(w.callsStartingWith("Update"), IsEmpty());
    EXPECT_THAT(w.callsStartingWith("StepIt"), SizeIs(3));
    EXPECT_THAT(w.callsStartingWith("Checked"), SizeIs(4 * kAlgorithmCount));
    for (const auto& r : w.results)
        EXPECT_EQ(r, "earlier");
    EXPECT_EQ(w.position, 4);
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
        EXPECT_EQ(p.blocks, c.blocks) << c.size;
        EXPECT_EQ(p.blocksPerStep, c.perStep) << c.size;
        EXPECT_EQ(p.max, c.max) << c.size;
    }
    // The largest size a stream can report still fits, with the smallest grouping that does.
    const ProgressPlan p = PlanProgress(INT64_MAX);
    EXPECT_LE(p.blocks / p.blocksPerStep + 2, INT32_MAX);
    EXPECT_GT(p.blocks / (p.blocksPerStep - 1) + 2, INT32_MAX);
}

TEST_F(FileInput, AHugeFileStepsOncePerGroupOfBlocks) {
    // Claims 4 TiB (three blocks a step) and delivers seven blocks.
    FakeStream s;
    s.data = PseudoRandomBytes(7 * 1024);
    s.claimedSize = std::int64_t{1} << 42;
    w.fileName = "huge";
    w.ticked[row::MD5] = true;
    press([&s](const std::string&) { return s.open(); });
    EXPECT_THAT(barCalls(), ElementsAre("Position 0", "Max 1431655767", "ReadMax", "Min 1",
                                        "Step 1", "StepIt", "StepIt", "ReadMax",
                                        "Position 1431655767"));
    EXPECT_EQ(w.results[row::MD5], directDigest(row::MD5, s.data));
    EXPECT_TRUE(s.closed);
}

// --- Failures while reading ------------------------------------------------------------------

TEST_F(FileInput, AReadErrorIsToldAndNoDigestIsShown) {
    for (std::size_t goodBytes : {0, 5000}) {
        FakeStream s;
        s.data = PseudoRandomBytes(9000);
        s.failAfter = goodBytes;
        w.calls.clear();
        w.results.fill("earlier");
        w.tickAll();
        w.fileName = "диск/файл";
        press([&s](const std::string&) { return s.open(); });

        EXPECT_THAT(w.callsStartingWith("ShowError"),
                    ElementsAre("ShowError Ошибка чтения файла \"диск/файл\"! @101,255"));
        for (const auto& r : w.results)
            EXPECT_EQ(r, "earlier");
        EXPECT_TRUE(s.closed);
        // The bar stays where the reading stopped: four whole blocks came before the failure.
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
    EXPECT_THROW(press([&s](const std::string&) { return s.open(); }), std::runtime_error);
    EXPECT_TRUE(s.closed);
}

TEST_F(FileInput, AFileThatGrowsWhileReadIsHashedToItsNewEnd) {
    const std::string bytes = PseudoRandomBytes(5000);
    w.fileName = dir.write("grows", bytes.substr(0, 3000));
    w.ticked[row::SHA1] = true;
    bool grown = false;
    w.onCall = [&](const std::string& call) {
        if (call == "StepIt" && !grown) {
            std::ofstream(w.fileName, std::ios::binary | std::ios::app) << bytes.substr(3000);
            grown = true;
        }
    };
    press();
    EXPECT_EQ(w.results[row::SHA1], directDigest(row::SHA1, bytes));
    // Measured at 3000 bytes: the range stays 1 to 4 while five blocks step.
    EXPECT_THAT(w.callsStartingWith("StepIt"), SizeIs(5));
    EXPECT_EQ(w.max, 4);
    EXPECT_EQ(w.position, 4);
}

TEST_F(FileInput, AFileThatShrinksWhileReadIsHashedToWhereItNowEnds) {
    // Cut beyond what the stream buffers at its first read, so the cut is what it meets.
    const std::string bytes = PseudoRandomBytes(3 * kStreamBufferSize);
    const std::size_t cut = kStreamBufferSize + 1500;
    w.fileName = dir.write("shrinks", bytes);
    w.ticked[row::SHA256] = true;
    bool cutDone = false;
    w.onCall = [&](const std::string& call) {
        if (call == "StepIt" && !cutDone)
            cutDone = truncate(w.fileName.c_str(), static_cast<off_t>(cut)) == 0;
    };
    press();
    ASSERT_TRUE(cutDone);
    EXPECT_EQ(w.results[row::SHA256], directDigest(row::SHA256, bytes.substr(0, cut)));
    EXPECT_THAT(w.callsStartingWith("StepIt"), SizeIs((cut + 1023) / 1024));
    EXPECT_EQ(w.max, static_cast<int>(3 * kStreamBufferSize / 1024 + 2));
    EXPECT_EQ(w.position, w.max);
}

} // namespace
