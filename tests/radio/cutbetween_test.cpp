#include "radio/cutbetween.h"
#include "radio/jsonstring.h"

#include <gtest/gtest.h>

namespace {

struct CutCase {
    const char *name;
    QByteArray text;
    QByteArray left;
    QByteArray right;
    qsizetype start;
    bool ignoreCase;
    QByteArray expected;
};

class CutBetweenTest : public testing::TestWithParam<CutCase> {};

TEST_P(CutBetweenTest, CutsTheTextBetweenTheMarkers)
{
    const CutCase &c = GetParam();
    EXPECT_EQ(cutBetween(c.text, c.left, c.right, c.start, c.ignoreCase), c.expected);
}

const QByteArray song = R"({"album":"\/subject\/1\/","ssid":"9b1f","title":"稻香","sid":"1234","sha256":"x"})";

INSTANTIATE_TEST_SUITE_P(
    Cases, CutBetweenTest,
    testing::Values(
        CutCase{"Field", song, "\"title\":\"", "\",\"sid", 0, false, "稻香"},
        CutCase{"EscapedValueStaysRaw", song, "\"album\":\"", "\",\"ssid", 0, false, R"(\/subject\/1\/)"},
        CutCase{"KeyOrderChangedRunsOn", R"({"title":"T","artist":"A","sid":"1"})", "\"title\":\"", "\",\"sid", 0,
                false, R"(T","artist":"A)"},
        CutCase{"RightMarkerNeverFollows", R"({"sid":"1","title":"T"})", "\"title\":\"", "\",\"sid", 0, false, ""},
        CutCase{"AlbumTitleIsNotTitle", R"({"albumtitle":"B","url":"u","sid":"1"})", "\"title\":\"", "\",\"sid", 0,
                false, ""},
        CutCase{"QuoteWordInMarkers", R"({"name":"华语","cover":"c"})", "#引号name#引号:#引号", "#引号,#引号cover", 0,
                false, "华语"},
        CutCase{"EmptyValue", R"({"kbps":"","available_formats":{}})", "\"kbps\":\"", "\",\"available_formats", 0,
                false, ""},
        CutCase{"StartZero", "a=1;a=2;", "a=", ";", 0, false, "1"},
        CutCase{"StartOneIsTheBeginning", "a=1;a=2;", "a=", ";", 1, false, "1"},
        CutCase{"StartPastFirstMarker", "a=1;a=2;", "a=", ";", 2, false, "2"},
        CutCase{"StartPastTheEnd", "a=1;", "a=", ";", 100, false, ""},
        CutCase{"CaseSensitiveByDefault", "NAME=x;", "name=", ";", 0, false, ""},
        CutCase{"IgnoreCase", "NAME=x;END", "name=", ";end", 0, true, "x"},
        CutCase{"NoMatchInsideACharacter", "中文x", "\xB8\xAD", "x", 0, false, ""},
        CutCase{"MultiByteMarkers", "歌词：第一行。", "歌词：", "。", 0, false, "第一行"},
        CutCase{"EmptyText", "", "a", "b", 0, false, ""}),
    [](const testing::TestParamInfo<CutCase> &param) { return param.param.name; });

struct JsonCase {
    const char *name;
    QByteArray content;
    QByteArray expected;
};

class JsonStringTest : public testing::TestWithParam<JsonCase> {};

TEST_P(JsonStringTest, DecodesWellFormedContentOnly)
{
    EXPECT_EQ(decodeJsonString(GetParam().content), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonStringTest,
    testing::Values(JsonCase{"Plain", "稻香", "稻香"},
                    JsonCase{"EscapedSlashes", R"(https:\/\/host\/a.mp3)", "https://host/a.mp3"},
                    JsonCase{"Unicode", R"(caf\u00e9)", "café"},
                    JsonCase{"SurrogatePair", R"(\ud83c\udfb5)", "🎵"},
                    JsonCase{"ShortEscapes", R"(a\"b\\c\r\n\t\b\f)", "a\"b\\c\r\n\t\b\f"},
                    JsonCase{"LoneHighSurrogate", R"(x\ud83cy)", R"(x\ud83cy)"},
                    JsonCase{"LoneLowSurrogate", R"(\udfb5)", R"(\udfb5)"},
                    JsonCase{"CutAcrossKeys", R"(T","artist":"A)", R"(T","artist":"A)"},
                    JsonCase{"UnknownEscape", R"(a\x)", R"(a\x)"},
                    JsonCase{"TrailingBackslash", R"(a\)", R"(a\)"},
                    JsonCase{"ShortUnicode", R"(\u00e)", R"(\u00e)"},
                    JsonCase{"SignedUnicode", R"(\u+0e9)", R"(\u+0e9)"},
                    JsonCase{"RawControlCharacter", "a\nb", "a\nb"}),
    [](const testing::TestParamInfo<JsonCase> &param) { return param.param.name; });

} // namespace
