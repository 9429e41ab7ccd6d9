#include "wrappers/httprequest.h"

#include <gtest/gtest.h>

namespace {

constexpr qsizetype kUntouched = -7;

TEST(TextBetweenTest, CutsBetweenMarkers)
{
    const struct {
        const char *name;
        QByteArray text;
        QByteArray left;
        QByteArray right;
        qsizetype start;
        bool ignoreCase;
        qsizetype extraBefore;
        qsizetype extraAfter;
        QByteArray expected;
        qsizetype expectedEnd;
    } cases[] = {
        {"between the markers", "a=1;b=2;", "b=", ";", 0, false, 0, 0, "2", 8},
        {"no left marker", "a=1;b=2;", "c=", ";", 0, false, 0, 0, "", kUntouched},
        {"no right marker after the left", "a=1;b=2", "b=", ";", 0, false, 0, 0, "", 0},
        {"without a right marker: the rest", "a=1;b=2;", "b=", "", 0, false, 0, 0, "2;", 10},
        {"extra before and after", "abcd", "b", "d", 0, false, 1, 1, "bcd", 4},
        {"extra before is cut at the start", "ab", "a", "b", 0, false, 5, 0, "a", 2},
        {"extra after is cut at the end", "abcd", "b", "c", 0, false, 0, 10, "cd", 3},
        {"from a start position", "a=1;a=2;", "a=", ";", 3, false, 0, 0, "2", 8},
        {"a start below 1 is the first byte", "a=1;", "a=", ";", -5, false, 0, 0, "1", 4},
        {"a start past the text", "a=1;", "a=", ";", 9, false, 0, 0, "", kUntouched},
        {"ignoring case", "NAME=x;", "name=", ";", 0, true, 0, 0, "x", 7},
        {"exact case", "NAME=x;", "name=", ";", 0, false, 0, 0, "", kUntouched},
        {"multi-byte text", "歌名=晴天;", "歌名=", ";", 0, false, 0, 0, "晴天", 14},
        {"never inside a character", "中=1;", "\xB8\xAD=", ";", 0, false, 0, 0, "", kUntouched},
        // Latin-1 folding would take the lead byte 0xC3 for 0xE3.
        {"ignoring case folds ASCII only", "x\xE3\xAB\x80;", "X\xC3\xAB", ";", 0, true, 0, 0, "", kUntouched},
    };
    for (const auto &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        qsizetype end = kUntouched;
        EXPECT_EQ(HttpRequest::textBetween(testCase.text, testCase.left, testCase.right, testCase.start,
                                           testCase.ignoreCase, &end, testCase.extraBefore,
                                           testCase.extraAfter),
                  testCase.expected);
        EXPECT_EQ(end, testCase.expectedEnd);
    }
}

} // namespace
