#include <gtest/gtest.h>

#include <QString>

#include "platform/ansi_text.h"

namespace {

std::string ansi(const char* utf8) { return ToAnsiText(QString::fromUtf8(utf8)); }

TEST(AnsiText, LineBreaksBecomeCrLfAndNothingIsAdded) {
    EXPECT_EQ(ansi("a\nb"), "a\r\nb");
    EXPECT_EQ(ansi("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(ansi(""), "");
    EXPECT_EQ(ansi("plain ASCII ~"), "plain ASCII ~");
}

TEST(AnsiText, CyrillicIsOneByteOfWindows1251) {
    EXPECT_EQ(ansi("Я"), "\xDF");
    EXPECT_EQ(ansi("Ёё"), "\xA8\xB8");
    EXPECT_EQ(ansi("Вычислить"), "\xC2\xFB\xF7\xE8\xF1\xEB\xE8\xF2\xFC");
    EXPECT_EQ(ansi("€№"), "\x88\xB9");
}

TEST(AnsiText, ACharacterOutsideTheCodePageBecomesOneQuestionMark) {
    EXPECT_EQ(ansi("ä"), "?");
    EXPECT_EQ(ansi("x\xF0\x9F\x98\x80y"), "x?y"); // one character beyond 16 bits
    EXPECT_EQ(ansi("\xEF\xBF\xBF"), "?");         // U+FFFF, no character at all
    EXPECT_EQ(ansi("漢字"), "??");
}

} // namespace
