#include <sys/inotify.h>
#include <sys/stat.h>

#include <cstring>

#include "fakes.h"

using namespace digest;

namespace {

// A million "a"s as each row shows them (CRC32 most significant byte first), with the source.
// clang-format off
const std::array<std::pair<std::string, const char*>, kAlgorithmCount> kMillionAs = {{
    {"MD5 7707D6AE4E027C70EEA2A935C2296F21", "NESSIE MD5 set 1 #8"},
    {"MD2 8C0A09FF1216ECAF95C8130953C62EFD", "sphlib MD2 KAT; Perl Digest::MD2, pycryptodome"},
    {"MD4 BBCE80CC6BB65E5C6745E30D4EECA9A4", "NESSIE MD4 set 1 #8"},
    {"CRC32 DC25BFBC", "python3 zlib.crc32; rhash"},
    {"ADLER32 15D870F9", "python3 zlib.adler32"},
    {"SHA1 34AA973CD4C4DAA4F61EEB2BDBAD27316534016F", "FIPS 180-2 example"},
    {"SHA224 20794655980C91D8BBB4C1EA97618A4BF03F42581948B2EE4EE7AD67", "FIPS 180-2 example"},
    {"SHA256 CDC76E5C9914FB9281A1C7E284D73E67F1809A48A497200E046D39CCC7112CD0", "FIPS 180-2 example"},
    {"SHA384 9D0E1809716474CB086E834E310A4A1CED149E9C00F248527972CEC5704C2A5B07B8B3DC38ECC4EBAE97DDD87F3D8985", "FIPS 180-2 example"},
    {"SHA512 E718483D0CE769644E2E42C7BC15B4638E1F98B13B2044285632A803AFA973EBDE0FF244877EA60A4CB0432CE577C31BEB009C5C2C49AA2E4EADB217AD8CC09B", "FIPS 180-2 example"},
    {"Tiger 6DB0E2729CBEAD93D715C6A7D36302E9B3CEE0D2BC314B41", "NESSIE-format vectors on the Tiger authors' page; rhash"},
    {"RIPEMD160 52783243C1697BDBE16D37F97F68F08325DC1528", "RIPEMD authors' page"},
    {"RIPEMD128 4A7F5723F954EBA1216C9D8F6320431F", "RIPEMD authors' page"},
    {"RIPEMD256 AC953744E10E31514C150D4D8D7B677342E33399788296E43AE4850CE4F97978", "RIPEMD authors' page"},
    {"WHIRLPOOL 0C99005BEB57EFF50A7CF005560DDF5D29057FD86B20BFD62DECA0F1CCEA4AF51FC15490EDDC47AF32BB2B66C34FF9AD8C6008AD677F77126953B226E4ED8B01", "Whirlpool authors' ISO vectors"},
    {"PANAMA AF9C66FB6058E2232A5DFBA063EE14B0F86F0E334E165812559435464DD9BB60", "Crypto++ TestVectors/panama.txt; sphlib KAT"},
}};
// clang-format on

TEST_F(DigestTest, EveryRowShowsThePublishedDigestOfAFileOfAMillionAs) {
    w.ticked.fill(true), w.textInput = false, w.fileInput = true;
    w.fileName = write(std::string(1000000, 'a')); // 976 whole blocks and a part
    Compute(w);
    for (std::size_t r = 0; r < kAlgorithmCount; ++r)
        EXPECT_EQ(FakeWindow::tag(r) + " " + w.results[r], kMillionAs[r].first)
            << kMillionAs[r].second;
}

// The hash objects' lives around what happens between: the first n made, released in reverse.
std::vector<std::string> lives(std::size_t n, std::vector<std::string> between = {}) {
    static const char* const made[] = {
        "SHA1",      "SHA256",    "SHA224", "SHA384", "SHA512", "Tiger", "RIPEMD160", "RIPEMD128",
        "RIPEMD256", "WHIRLPOOL", "MD5",    "MD2",    "MD4",    "CRC32", "ADLER32",   "PANAMA"};
    for (std::size_t i = 0; i < n; ++i) {
        between.insert(between.begin() + i, std::string("make ") + made[i]);
        between.push_back(std::string("release ") + made[n - 1 - i]);
    }
    return between;
}

TEST_F(DigestTest, ATextPressReadsEachBoxWhenItNeedsItAndShowsTheTickedRows) {
    w.memo = std::string("abc\0def", 7); // the text ends at its first zero byte
    w.ticked[row::MD5] = w.ticked[row::CRC32] = true;
    Compute(w, recorded());
    std::vector<std::string> between = {"TextInputChecked", "MemoText"};
    const auto eachRow = [&](std::vector<std::string> md5, std::vector<std::string> crc) {
        for (std::size_t r = 0; r < kAlgorithmCount; ++r) {
            between.push_back("Checked " + FakeWindow::tag(r));
            const auto& then = r == row::MD5 ? md5 : r == row::CRC32 ? crc : decltype(md5)();
            between.insert(between.end(), then.begin(), then.end());
        }
    };
    eachRow({"Update MD5 3"}, {"Update CRC32 3"});
    between.insert(between.end(), {"Position 2", "Max 2", "Min 1", "Step 1", "FileInputChecked"});
    // "abc": RFC 1321 A.5, python3 zlib.crc32. CRC32 is emptied first, so that its field is
    // rewritten even when the value is the same.
    eachRow({"Final MD5", "SetText MD5 900150983CD24FB0D6963F7D28E17F72"},
            {"SetText CRC32 ", "Final CRC32", "SetText CRC32 352441C2"});
    EXPECT_EQ(w.calls, lives(kAlgorithmCount, between));
}

// Delivers its first bytes, then fails. It cannot seek.
struct FakeStream {
    std::size_t left;
    bool closed = false;
    FileOpener opener() {
        return [this](const std::string&) {
            cookie_io_functions_t io{};
            io.read = [](void* c, char* buf, size_t most) -> ssize_t {
                auto& s = *static_cast<FakeStream*>(c);
                const std::size_t n = std::min(most, s.left);
                s.left -= n;
                return n ? (std::memset(buf, 'x', n), static_cast<ssize_t>(n)) : (errno = EIO, -1);
            };
            io.close = [](void* c) { return static_cast<FakeStream*>(c)->closed = true, 0; };
            return fopencookie(this, "rb", io);
        };
    }
};

long openFiles() { return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}); }

// An exception ends the press where it is thrown (making MD5, the eleventh; a file's second step;
// the second field written): what was made goes in reverse, the file is closed, fields stay.
TEST_F(DigestTest, AnExceptionReleasesWhatWasMadeClosesTheFileAndKeepsTheFieldsWritten) {
    w.textInput = false, w.fileInput = true, w.fileName = write(std::string(2048, 'a'));
    w.ticked[row::MD5] = w.ticked[row::CRC32] = true, w.results.fill("old");
    const long filesBefore = openFiles();
    for (const auto& [failing, nth, made, md5] :
         {std::tuple("make MD5", 1, 10, "old"),
          {"StepIt", 2, 16, "old"},
          {"SetText", 2, 16, "B7EA2D21AD2EF3E28085D30247603E0B"}}) {
        w.calls.clear();
        w.onCall = [failing = std::string(failing), left = nth](const std::string& call) mutable {
            if (call.rfind(failing, 0) == 0 && --left == 0)
                throw std::bad_alloc();
        };
        EXPECT_THROW(Compute(w, recorded()), std::bad_alloc);
        EXPECT_EQ(w.calls, lives(made, {w.calls.begin() + made, w.calls.end() - made}));
        EXPECT_EQ(openFiles(), filesBefore);
        EXPECT_EQ(w.results[row::MD5] + w.results[row::CRC32], md5 + std::string("old"));
    }
}

TEST_F(DigestTest, AReadErrorIsToldWithTheFileClosedAndNoDigestShown) {
    w.textInput = false, w.fileInput = true, w.fileName = "диск/файл";
    for (std::size_t failAfter : {0, 5000}) {
        FakeStream s{failAfter};
        w.ticked.fill(true), w.calls.clear(), w.steps = 0;
        bool closedFirst = false; // a modal box must not keep the file open
        w.onCall = [&](const std::string&) { closedFirst = s.closed; };
        Compute(w, {}, s.opener());
        EXPECT_EQ(w.calls.back(), "ShowError Ошибка чтения файла \"диск/файл\"! @101,255");
        EXPECT_TRUE(closedFirst);
        EXPECT_EQ(w.steps, static_cast<int>(failAfter / 1024)); // stays where it stopped
        EXPECT_EQ(w.results, decltype(w.results)());
    }
}

TEST_F(DigestTest, ARefusedNameIsToldAtThePlacementPointAndNothingElseHappens) {
    const std::string missing = dir + "/missing", fifo = dir + "/fifo";
    const std::string cut = write("") + std::string("\0x", 2); // names no file, not dir/f
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0); // no writer: a plain open would wait for one
    const int opens = inotify_init1(IN_NONBLOCK | IN_CLOEXEC); // tells of the FIFO's opens
    ASSERT_GE(inotify_add_watch(opens, fifo.c_str(), IN_OPEN), 0);
    const long filesBefore = openFiles();
    w.textInput = false, w.fileInput = true, w.ticked.fill(true);
    for (const auto& [name, bounds, shown] :
         std::vector<std::tuple<std::string, WindowBounds, std::string>>{
             {"", {0, 0, 403, 610}, "Не введено имя файла! @101,255"},
             {" ", {-300, -400, 403, 610}, "Невозможно открыть файл \" \"! @-199,-145"},
             {missing, {-7, -9, 3, 5}, CannotOpenMessage(missing) + " @-106,-57"},
             {dir, {0, 0, -3, -3}, CannotOpenMessage(dir) + " @-101,-51"}, // -3 / 2 is -1
             {fifo, {-102, -256, 403, 610}, CannotOpenMessage(fifo) + " @-1,-1"},
             {"/dev/zero", {10, 20, 801, 99}, CannotOpenMessage("/dev/zero") + " @310,19"},
             {"/dev/null", {0, 0, 403, 610}, CannotOpenMessage("/dev/null") + " @101,255"},
             {cut, {0, 0, 403, 610}, CannotOpenMessage(cut) + " @101,255"},
         }) {
        w.calls.clear(), w.fileName = name, w.bounds = bounds;
        Compute(w);
        EXPECT_EQ(w.calls,
                  std::vector<std::string>({"TextInputChecked", "FileInputChecked", "InputFileName",
                                            "FormBounds", "ShowError " + shown}));
    }
    EXPECT_EQ(openFiles(), filesBefore);
    inotify_event seen;
    EXPECT_EQ(read(opens, &seen, sizeof seen), -1); // refused by its type, never opened
    close(opens);
}

TEST_F(DigestTest, AFileIsFedBlockByBlockAndGivesTheDigestsOfTheSameText) {
    std::string text(2049, '\0'); // no zero byte: the text would end there
    std::generate(text.begin(), text.end(), [i = 0]() mutable { return 1 + i++ % 251; });
    std::ifstream proc("/proc/version", std::ios::binary); // its reported size is 0
    const std::string version{std::istreambuf_iterator<char>(proc), {}};
    for (const auto& [name, bytes, ticked, max] :
         std::vector<std::tuple<std::string, std::string, bool, int>>{
             {"", text.substr(0, 0), true, 2},
             {"", text.substr(0, 1024), true, 3},
             {"", text.substr(0, 1025), true, 3},
             {"", text.substr(0, 2049), false, 4},
             {"/proc/version", version, true, 2}}) {
        w.ticked.fill(ticked);
        w.textInput = true, w.fileInput = false, w.memo = bytes, w.results = {};
        Compute(w);
        const auto ofText = std::exchange(w.results, {});
        w.textInput = false, w.fileInput = true, w.calls.clear();
        w.fileName = name.empty() ? write(bytes) : name;
        Compute(w, recorded());

        std::vector<std::string> expected = {
            "TextInputChecked",           "FileInputChecked", "InputFileName", "Position 0",
            "Max " + std::to_string(max), "ReadMax",          "Min 1",         "Step 1"};
        for (std::size_t at = 0; at < bytes.size(); at += 1024) {
            const std::string length =
                std::to_string(std::min<std::size_t>(bytes.size() - at, 1024));
            for (std::size_t r = 0; r < kAlgorithmCount; ++r) {
                expected.push_back("Checked " + FakeWindow::tag(r));
                if (ticked)
                    expected.push_back("Update " + FakeWindow::tag(r) + " " + length);
            }
            expected.push_back("StepIt");
        }
        expected.insert(expected.end(), {"ReadMax", "Position " + std::to_string(max)});
        w.calls.resize(kAlgorithmCount + expected.size()); // the objects made, then the feed
        EXPECT_EQ(std::vector(w.calls.begin() + kAlgorithmCount, w.calls.end()), expected);
        EXPECT_EQ(w.results, ofText);
    }
}

TEST(PlanProgress, CountsBlocksUpToTwoTebibytesAndGroupsThemAbove) {
    using Plan = std::tuple<std::int64_t, std::int64_t, int>; // blocks, blocks a step, max
    for (const auto& [size, plan] : std::vector<std::pair<std::int64_t, Plan>>{
             {1LL << 31, {2097152, 1, 2097154}},
             {(1LL << 32) + 5, {4194304, 1, 4194306}},
             {2199023253503, {2147483645, 1, INT32_MAX}}, // the last size counted block by block
             {2199023253504, {2147483646, 2, 1073741825}},
             {INT64_MAX, {9007199254740991, 4194305, 2147483138}},
         }) {
        const ProgressPlan p = PlanProgress(size);
        EXPECT_EQ(Plan(p.blocks, p.blocksPerStep, p.max), plan) << size;
    }
}

} // namespace
