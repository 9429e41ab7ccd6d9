#include "platform/toolkit/legacytext.h"

#include <gtest/gtest.h>

namespace {

TEST(LegacyText, Gb18030ToUtf8)
{
    const struct {
        const char *name;
        QByteArray gb18030;
        QByteArray utf8;
    } cases[] = {
        {"empty", "", ""},
        {"ASCII", "Rows=5\r\n", "Rows=5\r\n"},
        {"GBK", "\xD7\xD6\xCC\xE5", "字体"},
        {"four-byte sequence", "\x81\x30\x81\x30", "\xC2\x80"},
        // Codes that ICU maps to the private use area: vertical punctuation and a CJK character.
        {"standard characters", "\xA6\xD9\xA6\xF3\xFE\x51", "\xEF\xB8\x90\xEF\xB8\x99\xF0\xA0\x82\x87"},
        {"invalid bytes", "a\xFF\x80z", "a\xEF\xBF\xBD\xEF\xBF\xBDz"},
        {"a sequence cut at the end", "a\xD7", "a\xEF\xBF\xBD"},
    };
    for (const auto &test : cases)
        EXPECT_EQ(gb18030ToUtf8(test.gb18030), test.utf8) << test.name;
}

TEST(LegacyText, LongTextConvertsWhole)
{
    const QByteArray gbk = QByteArray("\xB8\xE8\xB4\xCA").repeated(50'000); // 歌词
    EXPECT_EQ(gb18030ToUtf8(gbk), QByteArray("歌词").repeated(50'000));
}

} // namespace
