#include "objects/regexobject.h"

#include "objectstestsupport.h"
#include "platform/automation/comapartment.h"

#include <climits>

namespace {

using RegexObjectTest = ObjectsTest;

TEST_F(RegexObjectTest, CompileDefaultsIgnoreCaseAndFindAll)
{
    RegexObject regex;
    ASSERT_TRUE(regex.compile("a.c"));
    EXPECT_EQ(regex.execute("ABC abc"), 2);
    EXPECT_EQ(regex.matchValue(1), "ABC");

    // A new compile leaves the earlier matches readable.
    ASSERT_TRUE(regex.compile("a.c", true, false));
    EXPECT_EQ(regex.matchValue(2), "abc");
    EXPECT_EQ(regex.execute("ABC abc"), 1);
    EXPECT_EQ(regex.matchValue(1), "abc");
    EXPECT_TRUE(regex.test("xabc"));
    EXPECT_FALSE(regex.test("ABC"));
}

TEST_F(RegexObjectTest, EverythingIsZeroBeforeCompileAndOutOfRange)
{
    RegexObject fresh;
    EXPECT_EQ(fresh.execute("abc"), 0);
    EXPECT_FALSE(fresh.test("abc"));
    EXPECT_EQ(fresh.matchValue(1), "");
    EXPECT_EQ(fresh.subMatchCount(1), 0);
    EXPECT_EQ(fresh.subMatch(1, 1), "");
    EXPECT_EQ(fresh.replace("abc", "x"), "abc");

    RegexObject regex;
    ASSERT_TRUE(regex.compile("(a)|(b)"));
    EXPECT_EQ(regex.matchValue(1), ""); // compiled, nothing executed yet
    ASSERT_EQ(regex.execute("b"), 1);
    for (const auto &[match, group] : {std::pair{2, 1}, {0, 1}, {1, 0}, {1, 3}, {INT_MIN, INT_MIN}})
        EXPECT_EQ(regex.subMatch(match, group), "") << match << "," << group;
    EXPECT_EQ(regex.matchValue(INT_MIN), "");
    EXPECT_EQ(regex.subMatchCount(2), 0);
}

TEST_F(RegexObjectTest, GroupThatTookNoPartIsEmpty)
{
    RegexObject regex;
    ASSERT_TRUE(regex.compile("(a)|(b)"));
    ASSERT_EQ(regex.execute("b"), 1);
    EXPECT_EQ(regex.subMatchCount(1), 2);
    EXPECT_EQ(regex.subMatch(1, 1), "");
    EXPECT_EQ(regex.subMatch(1, 2), "b");

    const RegexObject copy(regex); // shares the expression and the matches
    EXPECT_EQ(copy.subMatch(1, 2), "b");
}

struct ReplaceCase {
    QByteArray pattern;
    bool patternCaseSensitive;
    QByteArray text;
    std::optional<QByteArray> replacement;
    bool caseSensitive;
    QByteArray expected;
};

TEST_F(RegexObjectTest, ReplaceReplacesEachMatchTextEverywhere)
{
    const ReplaceCase cases[] = {
        // The one match "cat" is replaced where it did not match too.
        {"cat\\b", false, "cat catalog", "dog", true, "dog dogalog"},
        {"o", false, "foo bor", std::nullopt, true, "f br"},
        {"A", true, "Aa", "x", true, "xa"},
        {"A", true, "Aa", "x", false, "xx"},
        {"x*", false, "ab", "-", true, "ab"}, // empty matches leave the text alone
        {"\xE4\xB8\xAD", false, "\xE4\xB8\xAD\xE6\x96\x87", "z", true, "z\xE6\x96\x87"},
    };
    for (const ReplaceCase &c : cases) {
        RegexObject regex;
        ASSERT_TRUE(regex.compile(c.pattern, c.patternCaseSensitive));
        const QByteArray replaced =
            c.replacement ? regex.replace(c.text, *c.replacement, c.caseSensitive) : regex.replace(c.text);
        EXPECT_EQ(replaced, c.expected) << c.pattern.constData() << " on " << c.text.constData();
    }
}

TEST_F(RegexObjectTest, LeavesTheApartmentAsOftenAsItEntered)
{
    const int entered = ComApartment::initializeCount();
    const int left = ComApartment::uninitializeCount();
    {
        RegexObject regex;
        regex.compile("a");
        regex.compile("b");
        {
            const RegexObject copy(regex);
        }
        EXPECT_EQ(ComApartment::uninitializeCount(), left);
    }
    EXPECT_EQ(ComApartment::initializeCount(), entered + 2);
    EXPECT_EQ(ComApartment::uninitializeCount(), left + 2);
}

} // namespace
