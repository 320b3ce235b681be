#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include <QFile>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QMovie>

namespace {

QByteArray bytesOf(const char* name) {
    QFile file(QStringLiteral(KESTRUM_RESOURCES "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

unsigned le16(const QByteArray& b, qsizetype at) {
    return std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8;
}
std::uint32_t le32(const QByteArray& b, qsizetype at) { return le16(b, at) | std::uint32_t(le16(b, at + 2)) << 16; }

// What the logo's blocks say, read by walking the file.
struct GifLayout {
    bool globalTable256 = false;
    int frames = 0;
    int framesWith256Table = 0;
    int controlBlocks = 0;
    int nonZeroDelays = 0;
    int transparent = 0;
    int applicationBlocks = 0; // a loop count would live in one
    bool trailerLast = false;
};

qsizetype skipSubBlocks(const QByteArray& b, qsizetype at) {
    while (at < b.size() && b[at] != 0)
        at += 1 + std::uint8_t(b[at]);
    return at + 1;
}

GifLayout walk(const QByteArray& b) {
    GifLayout g;
    const auto packed = std::uint8_t(b[10]);
    g.globalTable256 = (packed & 0x80) && (packed & 0x07) == 7;
    qsizetype at = 13 + ((packed & 0x80) ? 3 * (2 << (packed & 7)) : 0);
    while (at < b.size()) {
        const auto kind = std::uint8_t(b[at]);
        if (kind == 0x3B) {
            g.trailerLast = at == b.size() - 1;
            break;
        }
        if (kind == 0x21) {
            const auto label = std::uint8_t(b[at + 1]);
            if (label == 0xF9) {
                ++g.controlBlocks;
                g.transparent += std::uint8_t(b[at + 3]) & 1;
                g.nonZeroDelays += le16(b, at + 4) != 0;
            } else if (label == 0xFF) {
                ++g.applicationBlocks;
            }
            at = skipSubBlocks(b, at + 2);
        } else if (kind == 0x2C) {
            ++g.frames;
            const auto local = std::uint8_t(b[at + 9]);
            g.framesWith256Table += (local & 0x80) && (local & 7) == 7;
            at += 10 + ((local & 0x80) ? 3 * (2 << (local & 7)) : 0);
            at = skipSubBlocks(b, at + 1); // after the code size
        } else {
            ADD_FAILURE() << "unknown block at " << at;
            break;
        }
    }
    return g;
}

TEST(Logo, IsAStillGif89aOfFourIdenticalFramesWith256ColourTablesAndNoLoop) {
    const QByteArray bytes = bytesOf("logo.gif");
    ASSERT_TRUE(bytes.startsWith("GIF89a"));
    EXPECT_EQ(le16(bytes, 6), 88u);
    EXPECT_EQ(le16(bytes, 8), 31u);
    EXPECT_FALSE(bytes.contains("NETSCAPE2.0"));

    const GifLayout g = walk(bytes);
    EXPECT_TRUE(g.globalTable256);
    EXPECT_EQ(g.frames, 4);
    EXPECT_EQ(g.framesWith256Table, 4);
    EXPECT_EQ(g.controlBlocks, 4);
    EXPECT_EQ(g.nonZeroDelays, 0);
    EXPECT_EQ(g.transparent, 0);
    EXPECT_EQ(g.applicationBlocks, 0);
    EXPECT_TRUE(g.trailerLast);

    QImageReader reader(QStringLiteral(KESTRUM_RESOURCES "/logo.gif"));
    EXPECT_EQ(reader.imageCount(), 4);
    EXPECT_EQ(reader.loopCount(), 0);
    std::vector<QImage> frames;
    for (QImage frame; reader.read(&frame);)
        frames.push_back(frame.convertToFormat(QImage::Format_RGB32));
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[0].size(), QSize(88, 31));
    EXPECT_FALSE(frames[0].hasAlphaChannel());
    for (const QImage& frame : frames)
        EXPECT_EQ(frame, frames[0]);
    // A picture, not a blank: the figure and the lettering use several colours.
    EXPECT_GE(frames[0].convertToFormat(QImage::Format_Indexed8).colorCount(), 4);
}

TEST(Icon, IsOne32By32ImageOf8BitsWithA256ColourPaletteAndAMask) {
    const QByteArray ico = bytesOf("kestrum.ico");
    ASSERT_GE(ico.size(), 22);
    EXPECT_EQ(le16(ico, 0), 0u); // reserved
    EXPECT_EQ(le16(ico, 2), 1u); // an icon
    ASSERT_EQ(le16(ico, 4), 1u); // one image
    EXPECT_EQ(std::uint8_t(ico[6]), 32);
    EXPECT_EQ(std::uint8_t(ico[7]), 32);
    EXPECT_EQ(std::uint8_t(ico[8]), 0); // 256 colours
    EXPECT_EQ(le16(ico, 12), 8u);
    const std::uint32_t size = le32(ico, 14), offset = le32(ico, 18);
    ASSERT_EQ(offset + size, std::uint32_t(ico.size()));

    // The bitmap: twice the height (colour rows, then mask rows), 8 bits, uncompressed.
    EXPECT_EQ(le32(ico, offset), 40u);
    EXPECT_EQ(le32(ico, offset + 4), 32u);
    EXPECT_EQ(le32(ico, offset + 8), 64u);
    EXPECT_EQ(le16(ico, offset + 14), 8u);
    EXPECT_EQ(le32(ico, offset + 16), 0u);
    const std::uint32_t palette = 256 * 4, colours = 32 * 32, mask = 32 * 4;
    EXPECT_EQ(size, 40 + palette + colours + mask);
    const QByteArray maskBits = ico.mid(offset + 40 + palette + colours, mask);
    EXPECT_TRUE(maskBits.contains(char(0xFF))) << "the corners are see-through";
    EXPECT_NE(maskBits.count(char(0xFF)), mask) << "the picture is not all see-through";
}

TEST(Icon, PngForTheDesktopIsTheSamePicture) {
    QImage ico(QStringLiteral(KESTRUM_RESOURCES "/kestrum.ico"));
    QImage png(QStringLiteral(KESTRUM_RESOURCES "/kestrum.png"));
    ASSERT_FALSE(ico.isNull());
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), QSize(32, 32));
    EXPECT_EQ(ico.convertToFormat(QImage::Format_ARGB32), png.convertToFormat(QImage::Format_ARGB32));
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv); // image format plugins
    return RUN_ALL_TESTS();
}
