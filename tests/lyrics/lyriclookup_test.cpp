#include "lyrics/lyriclookup.h"

#include <QByteArrayList>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

// A lyrics answer as the service sends it: LRC lines inside a JSON string, each ended by the escaped
// "\r\n" (backslash, r, backslash, n) unless the line is given with its own ending.
QByteArray answer(const QByteArrayList &lines, const char *afterLastLine = "\\r\\n")
{
    const QByteArray lyric = lines.join("\\r\\n") + afterLastLine;
    return R"({"name":"晨光","lyric":")" + lyric + R"(","sid":"1001"})";
}

struct LookupCase {
    const char *name;
    QByteArray answer;
    QByteArray key;
    QByteArray expected;
};

class FindLyricLineTest : public testing::TestWithParam<LookupCase> {};

TEST_P(FindLyricLineTest, FindsTheLineOfTheSecond)
{
    const LookupCase &c = GetParam();
    EXPECT_EQ(findLyricLine(c.answer, c.key), c.expected);
}

const QByteArray song =
    answer({"[00:01.00]晨光照进窗", "[00:12.10]A", "[00:12.80]B", "[00:15.00]最后一行"}, "");

INSTANTIATE_TEST_SUITE_P(
    Cases, FindLyricLineTest,
    testing::Values(
        LookupCase{"LineOfTheSecond", song, "00:01", "晨光照进窗"},
        LookupCase{"TwoLinesInOneSecondTheLastWins", song, "00:12", "B"},
        LookupCase{"LastLineWithoutSeparatorGivesNothing", song, "00:15", ""},
        LookupCase{"SecondWithoutLine", song, "00:13", ""},
        LookupCase{"TwoTagsShownAtTheSecondTag", answer({"[00:10.00][01:10.00]副歌", "[01:20.00]尾声"}),
                   "01:10", "副歌"},
        // The piece that holds only the first tag has no text of its own, and it is the last match.
        LookupCase{"TwoTagsNothingAtTheFirstTag", answer({"[00:10.00][01:10.00]副歌", "[01:20.00]尾声"}),
                   "00:10", ""},
        LookupCase{"KeyInsideALyricTakesTheTextAfterTheLastBracket",
                   answer({"[00:30.00]Meet me at 12:30 tonight", "[12:30.00]Twelve thirty"}), "12:30",
                   "Twelve thirty"},
        LookupCase{"KeyInsideTheLastMatchingLine", answer({"[12:30.00]Start", "[12:31.00]at 12:30] noon"}),
                   "12:30", " noon"},
        LookupCase{"KeyInTheHeadBeforeAnyTag", R"({"lyric":"00:05]x\r\nno tags"})", "00:05", "x"},
        LookupCase{"LongSongKey", answer({"[125:00.00]Long song"}), "125:00", "Long song"},
        LookupCase{"EmptyAnswer", "", "00:01", ""}, LookupCase{"EmptyKey", song, "", ""}),
    [](const testing::TestParamInfo<LookupCase> &param) { return param.param.name; });

// The lookup as the rules state it, piece by piece, to hold the single backward search against.
QByteArray pieceByPiece(const QByteArray &text, const QByteArray &key)
{
    QByteArray result;
    for (const QByteArray &piece : text.split('[')) {
        if (piece.contains(key))
            result = textBefore(textAfterLast(textAfterLast(piece, key), "]"), "\\r\\n").toByteArray();
    }
    return result;
}

TEST(FindLyricLine, AgreesWithThePieceByPieceScanOnRandomAnswers)
{
    static const QByteArray parts[] = {"[", "]", "0", "1", ":", "\\r\\n", "\\r", "歌", "01:1"};
    static const QByteArray keys[] = {"01:10", "0:1", "1", "]", "10"};
    QRandomGenerator random(8);
    for (int round = 0; round < 3000; ++round) {
        QByteArray text;
        for (int i = random.bounded(24); i > 0; --i)
            text += parts[random.bounded(int(std::size(parts)))];
        for (const QByteArray &key : keys)
            ASSERT_EQ(findLyricLine(text, key), pieceByPiece(text, key))
                << text.constData() << " key " << key.constData();
    }
}

TEST(TextMarkers, MissingMarkerGivesNothing)
{
    EXPECT_EQ(textAfterLast("a]b]c", "]"), "c");
    EXPECT_EQ(textAfterLast("abc", "]"), "");
    EXPECT_EQ(textBefore("a\\r\\nb\\r\\n", "\\r\\n"), "a");
    EXPECT_EQ(textBefore("abc", "\\r\\n"), "");
}

} // namespace
