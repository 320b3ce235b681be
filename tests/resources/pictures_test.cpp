#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>

namespace {

const QString kDir = QStringLiteral(KESTRUM_RESOURCES "/");

QByteArray bytesOf(const char* name) {
    QFile file(kDir + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

unsigned u8(const QByteArray& b, qsizetype at) { return std::uint8_t(b[at]); }
unsigned le16(const QByteArray& b, qsizetype at) { return u8(b, at) | u8(b, at + 1) << 8; }
std::uint32_t le32(const QByteArray& b, qsizetype at) {
    return le16(b, at) | std::uint32_t(le16(b, at + 2)) << 16;
}

// The logo's blocks in order, one letter each: 'G' a 256-colour table, 'F' a frame with one,
// 'f' a frame without, 'C' a control block with no delay and no transparency, 'c' one with
// either, 'A' an application block (where a loop count lives), ';' the trailer.
std::string walkGif(const QByteArray& b) {
    auto table = [](unsigned packed) { return (packed & 0x80) ? 3 * (2 << (packed & 7)) : 0; };
    auto skipSubBlocks = [&b](qsizetype at) {
        while (at < b.size() && b[at] != 0)
            at += 1 + u8(b, at);
        return at + 1;
    };
    std::string out = (u8(b, 10) & 0x87) == 0x87 ? "G" : "g";
    for (qsizetype at = 13 + table(u8(b, 10)); at < b.size();) {
        if (u8(b, at) == 0x3B) {
            out += at == b.size() - 1 ? ";" : ";...";
            break;
        }
        if (u8(b, at) == 0x21) {
            const unsigned label = u8(b, at + 1);
            out += label == 0xF9   ? ((u8(b, at + 3) & 1) || le16(b, at + 4) ? 'c' : 'C')
                   : label == 0xFF ? 'A'
                                   : '?';
            at = skipSubBlocks(at + 2);
        } else if (u8(b, at) == 0x2C) {
            out += (u8(b, at + 9) & 0x87) == 0x87 ? 'F' : 'f';
            at = skipSubBlocks(at + 11 + table(u8(b, at + 9))); // past the code size
        } else {
            return out + "? at " + std::to_string(at);
        }
    }
    return out;
}

TEST(Logo, IsAStillGif89aOfFourIdenticalFramesWith256ColourTablesAndNoLoop) {
    const QByteArray bytes = bytesOf("logo.gif");
    ASSERT_TRUE(bytes.startsWith("GIF89a"));
    EXPECT_EQ(le16(bytes, 6), 88u);
    EXPECT_EQ(le16(bytes, 8), 31u);
    EXPECT_EQ(walkGif(bytes), "GCFCFCFCF;");

    QImageReader reader(kDir + "logo.gif");
    EXPECT_EQ(reader.loopCount(), 0);
    std::vector<QImage> frames;
    for (QImage frame; reader.read(&frame);)
        frames.push_back(frame.convertToFormat(QImage::Format_RGB32));
    ASSERT_EQ(frames.size(), 4u);
    for (const QImage& frame : frames)
        EXPECT_EQ(frame, frames[0]);
    // A picture, not a blank: the figure and the lettering use several colours.
    EXPECT_GE(frames[0].convertToFormat(QImage::Format_Indexed8).colorCount(), 4);
}

TEST(Icon, IsOne32By32ImageOf256ColoursWithAMaskAndThePngIsTheSamePicture) {
    const QByteArray ico = bytesOf("kestrum.ico");
    ASSERT_GE(ico.size(), 22);
    // Reserved, an icon, one image of 32 x 32, 256 colours, 8 bits.
    ASSERT_EQ(std::vector({le16(ico, 0), le16(ico, 2), le16(ico, 4), u8(ico, 6), u8(ico, 7),
                           u8(ico, 8), le16(ico, 12)}),
              std::vector<unsigned>({0, 1, 1, 32, 32, 0, 8}));
    const std::uint32_t size = le32(ico, 14), at = le32(ico, 18);
    ASSERT_EQ(at + size, std::uint32_t(ico.size()));
    // The bitmap: twice the height (colour rows, then mask rows), 8 bits, uncompressed.
    EXPECT_EQ(std::vector({le32(ico, at), le32(ico, at + 4), le32(ico, at + 8),
                           std::uint32_t(le16(ico, at + 14)), le32(ico, at + 16)}),
              std::vector<std::uint32_t>({40, 32, 64, 8, 0}));
    const std::uint32_t palette = 256 * 4, colours = 32 * 32, mask = 32 * 4;
    EXPECT_EQ(size, 40 + palette + colours + mask);
    const QByteArray maskBits = ico.mid(at + 40 + palette + colours, mask);
    EXPECT_TRUE(maskBits.contains(char(0xFF))) << "the corners are see-through";
    EXPECT_NE(maskBits.count(char(0xFF)), mask) << "the picture is not all see-through";

    const QImage png(kDir + "kestrum.png");
    EXPECT_EQ(png.size(), QSize(32, 32));
    EXPECT_EQ(QImage(kDir + "kestrum.ico").convertToFormat(QImage::Format_ARGB32),
              png.convertToFormat(QImage::Format_ARGB32));
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv); // image format plugins
    return RUN_ALL_TESTS();
}
