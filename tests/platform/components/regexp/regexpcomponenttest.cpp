#include "platform/components/regexp/regexpcomponent.h"

#include "platform/automation/automationobject.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// The component driven late-bound, as the wrapper drives it.
class RegExpComponentTest : public testing::Test {
protected:
    void SetUp() override
    {
        registerRegExpComponent();
        ASSERT_TRUE(regex.create("VBScript.RegExp"));
    }

    void configure(const QByteArray &pattern, bool ignoreCase = false, bool global = true)
    {
        ASSERT_TRUE(regex.write("Pattern", pattern));
        ASSERT_TRUE(regex.write("IgnoreCase", ignoreCase));
        ASSERT_TRUE(regex.write("Global", global));
    }

    QStringList matchValues(const QByteArray &text) const
    {
        const AutomationObject matches = regex.callObject("Execute", {text});
        QStringList values;
        const int count = int(matches.readNumber("Count"));
        for (int i = 0; i < count; ++i)
            values.append(QString::fromUtf8(matches.readObject("Item", {i}).callText("Value")));
        return values;
    }

    AutomationObject regex;
};

struct SearchCase {
    const char *name;
    QByteArray pattern;
    bool ignoreCase;
    bool global;
    QByteArray text;
    QStringList values;
};

TEST_F(RegExpComponentTest, FindsMatchesAsJavaScriptDoes)
{
    const SearchCase cases[] = {
        {"ignoring case", "a.c", true, true, "ABC abc", {"ABC", "abc"}},
        {"minding case", "a.c", false, true, "ABC abc", {"abc"}},
        {"first only without global", "\\d", false, false, "123", {"1"}},
        {"digits", "\\d+", false, true, "a12b345", {"12", "345"}},
        {"lazy quantifier", "<.+?>", false, true, "<a><b>", {"<a>", "<b>"}},
        {"word boundary", "\\bcat\\b", false, true, "cat catalog concat", {"cat"}},
        {"class and negated class", "[a-c][^a-c]", false, true, "axbcby", {"ax", "by"}},
        {"dot stops at a line break", "a.b", false, true, "a\nb a\rb axb", {"axb"}},
        {"[^] matches anything", "a[^]b", false, true, "a\nb", {"a\nb"}},
        {"$ only at the very end", "a$", false, true, "a\n", {}},
        {"\\u escape", "\\u0041\\x42", false, true, "AB", {"AB"}},
        {"unset group's back reference matches empty", "(a)?\\1b", false, true, "b", {"b"}},
        {"empty matches step on one character", "x*", false, true, "ab", {"", "", ""}},
        {"a surrogate pair is one character", "x*", false, true, "\xF0\x9F\x98\x80", {"", ""}},
        {"non-ASCII ignoring case", "\xC3\xA9", true, true, "\xC3\x89", {"\xC3\x89"}},
    };
    for (const SearchCase &c : cases) {
        configure(c.pattern, c.ignoreCase, c.global);
        EXPECT_EQ(matchValues(c.text), c.values) << c.name;
        EXPECT_EQ(regex.callBool("Test", {c.text}), !c.values.isEmpty()) << c.name;
    }
}

TEST_F(RegExpComponentTest, MatchCarriesPositionLengthAndGroups)
{
    configure("(a)|(b)");
    const AutomationObject match = regex
                                       .callObject("Execute", {"x\xE4\xB8\xAD"
                                                               "b"})
                                       .readObject("item", {0});

    EXPECT_EQ(match.callText("Value"), "b");
    EXPECT_EQ(match.readNumber("FirstIndex"), 2); // in UTF-16 code units, as the platform counts
    EXPECT_EQ(match.readNumber("Length"), 1);
    const AutomationObject groups = match.readObject("SubMatches");
    EXPECT_EQ(groups.readNumber("Count"), 2);
    EXPECT_TRUE(groups.callVariant("Item", {0}).isEmpty()); // took no part
    EXPECT_EQ(groups.callText("Item", {1}), "b");
    EXPECT_TRUE(groups.callVariant("Item", {2}).isEmpty());
}

TEST_F(RegExpComponentTest, MatchKeepsItsCollectionAlive)
{
    configure("b");
    AutomationObject matches = regex.callObject("Execute", {"abc"});
    const AutomationObject match = matches.readObject("Item", {0});
    matches.clear();
    regex.clear();
    EXPECT_EQ(match.callText("Value"), "b");
    EXPECT_EQ(match.readObject("SubMatches").readNumber("Count"), 0);
}

TEST_F(RegExpComponentTest, InvalidPatternMatchesNothing)
{
    configure("(a");
    EXPECT_FALSE(regex.callBool("Test", {"(a"}));
    EXPECT_TRUE(regex.callObject("Execute", {"(a"}).isEmpty());
    EXPECT_EQ(regex.callText("Replace", {"(a", "x"}), "(a");

    configure("a"); // a new pattern compiles afresh
    EXPECT_TRUE(regex.callBool("Test", {"a"}));
}

struct ReplaceCase {
    QByteArray pattern;
    bool global;
    QByteArray replacement;
    QByteArray expected;
};

TEST_F(RegExpComponentTest, ReplaceExpandsDollarForms)
{
    const ReplaceCase cases[] = {
        {"o", true, "0", "f00 b0r"},
        {"o", false, "0", "f0o bor"},
        {"(o)(r)?", true, "[$2$1]", "f[o][o] b[ro]"},
        {"b", true, "$`|$'|$&|$$", "foo foo |or|b|$or"},
        {"(b)", true, "$0$3$12$", "foo $0$3b2$or"},
        {"x*", true, "-", "-f-o-o- -b-o-r-"},
    };
    for (const ReplaceCase &c : cases) {
        configure(c.pattern, false, c.global);
        EXPECT_EQ(regex.callText("Replace", {"foo bor", c.replacement}), c.expected) << c.pattern.constData();
    }
}

TEST_F(RegExpComponentTest, SearchesThatWouldRunAwayEndAsNoMatch)
{
    // Exponential backtracking reaches the match limit.
    configure("(\\w+\\s?)+$");
    EXPECT_EQ(matchValues(QByteArray(40, 'a') + "!"), QStringList());

    // A long run that fails at its end from every start is no quadratic crawl.
    configure("([0-9a-f]+?):(\\d):(\\{.*?\\})|([0-9a-f]+?):(\\d):([0-9a-f]+)", true);
    EXPECT_EQ(matchValues(QByteArray(500'000, 'a') + ":10:"), QStringList());
    EXPECT_EQ(matchValues(QByteArray("a:1:{").repeated(100'000)), QStringList());
}

TEST_F(RegExpComponentTest, LongSubjectsStillMatch)
{
    // A group repeated a million times needs far more than PCRE2's default stack.
    configure("(a|b)*c");
    const QByteArray text = QByteArray("ab").repeated(1'000'000) + "c";
    EXPECT_EQ(matchValues(text), QStringList{QString::fromLatin1(text)});
}

} // namespace
