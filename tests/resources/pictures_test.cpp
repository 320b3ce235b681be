#include <gtest/gtest.h>

#include <QImageReader>
#include <vector>

TEST(Pictures, TheLogoIsAn88By31GifOfFourIdenticalFramesNotBlank) {
    QImageReader reader(KESTRUM_RESOURCES "/logo.gif");
    EXPECT_EQ(reader.size(), QSize(88, 31));
    std::vector<QImage> frames;
    for (QImage frame; reader.read(&frame);)
        frames.push_back(frame.convertToFormat(QImage::Format_RGB32));
    ASSERT_EQ(frames.size(), 4u);
    for (const QImage& frame : frames)
        EXPECT_EQ(frame, frames[0]);
    EXPECT_GE(frames[0].convertToFormat(QImage::Format_Indexed8).colorCount(), 4);
}

TEST(Pictures, TheIconIsOne32By32ImageOf8BitsWhoseMaskCutsItOutAsInThePng) {
    QImageReader reader(KESTRUM_RESOURCES "/kestrum.ico");
    EXPECT_EQ(reader.imageCount(), 1);
    EXPECT_EQ(reader.imageFormat(), QImage::Format_Indexed8);
    const QImage ico = reader.read(), png(KESTRUM_RESOURCES "/kestrum.png");
    EXPECT_EQ(ico.size(), QSize(32, 32));
    EXPECT_EQ(std::pair(qAlpha(png.pixel(0, 0)), qAlpha(png.pixel(16, 16))), std::pair(0, 255));
    EXPECT_EQ(ico.convertToFormat(QImage::Format_ARGB32),
              png.convertToFormat(QImage::Format_ARGB32));
}
