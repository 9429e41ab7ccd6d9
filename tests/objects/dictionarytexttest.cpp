#include "objects/dictionarytext.h"
#include "objects/dictionary.h"

#include "objectstestsupport.h"

#include <QDateTime>

namespace {

using DictionaryTextTest = ObjectsTest;

// One entry of the text form, written by hand.
QByteArray entry(const QByteArray &key, const QByteArray &kind, const QByteArray &value)
{
    return encodeText(key, "pemk") + ':' + kind + ':' + value;
}

TEST(CipherKey, IsTheMd5OfTheAsciiLowerCasedKeyText)
{
    EXPECT_EQ(cipherKey("abc"), "900150983CD24FB0D6963F7D28E17F72");
    EXPECT_EQ(cipherKey("ABC"), cipherKey("abc"));
    EXPECT_EQ(cipherKey(""), "D41D8CD98F00B204E9800998ECF8427E");
    EXPECT_NE(cipherKey("\xC3\x84"), cipherKey("\xC3\xA4")); // Ä and ä: only ASCII is folded
}

TEST(Encipher, AddsTheKeyModulo255AndLoses255)
{
    // The cipher key of "abc" starts with '9' (57) and '0' (48).
    const QByteArray zeros(33, '\0');
    const QByteArray enciphered = encipher(zeros, "abc");
    EXPECT_EQ(uchar(enciphered[0]), 57);
    EXPECT_EQ(uchar(enciphered[1]), 48);
    EXPECT_EQ(uchar(enciphered[32]), 57);              // the key repeats every 32 bytes
    EXPECT_EQ(uchar(encipher("\xC6", "abc")[0]), 255); // 198 + 57: exactly 255 stays 255
    EXPECT_EQ(uchar(encipher("\xFF", "abc")[0]), 57);  // 255 + 57 - 255

    QByteArray every(256, '\0');
    for (int b = 0; b < 256; ++b)
        every[b] = char(b);
    QByteArray expected = every;
    expected[255] = '\0';
    EXPECT_EQ(decipher(encipher(every, "tumbelix"), "tumbelix"), expected);
}

TEST(HexText, EncodesLowerCaseAndDecodesForgivingly)
{
    EXPECT_EQ(hexEncode("\x0a\xff"), "0aff");
    const struct {
        QByteArray text;
        QByteArray bytes;
    } cases[] = {
        {"0a1f", "\x0a\x1f"},
        {"0A", QByteArray(1, '\0')},  // upper case counts as 0
        {"zz9", QByteArray(1, '\0')}, // anything else too; an odd last character is dropped
        {"ab", "\xab"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(hexDecode(c.text), c.bytes) << c.text.constData();
    EXPECT_EQ(decodeText(encodeText(QByteArray("ab\0cd", 5), "k"), "k"), "ab");
}

TEST_F(DictionaryTextTest, RoundTripKeepsKeysAndValuesWithTheDocumentedLosses)
{
    const QDateTime date(QDate(2020, 1, 1), QTime(8, 30, 5));
    Dictionary nested;
    nested.set("x", "1");
    Dictionary dict;
    dict.set("text", "中文 text");
    dict.set("yes", true);
    dict.set("no", false);
    dict.set("date", date);
    dict.set("bytes", byteArray(QByteArray("\x00\x01\xFE\xFF", 4)));
    dict.set("fraction", 2.75);
    dict.set("negative", -2.75);
    dict.set("beyond 32 bits", 4294967297.0);
    dict.set("nested", nested.dictObject());
    dict.set("empty nested", Dictionary().dictObject());
    dict.set("键", 42);

    const QByteArray text = dict.toText();
    EXPECT_EQ(text, dict.toText());
    EXPECT_EQ(text, text.toLower());
    Dictionary read;
    read.fromText(text);
    EXPECT_EQ(keysOf(read), keysOf(dict));
    EXPECT_EQ(read.itemText("text"), "中文 text");
    EXPECT_EQ(read.item("yes").kind(), AutomationVariant::Bool);
    EXPECT_EQ(read.itemText("yes") + read.itemText("no"), "真假");
    EXPECT_EQ(read.item("date").asDate(), date);
    EXPECT_EQ(read.item("bytes").asBytes(), QByteArray("\x00\x01\xFE\x00", 4));
    EXPECT_EQ(read.itemText("fraction"), "2");
    EXPECT_EQ(read.itemText("negative"), "-2");
    EXPECT_EQ(read.itemText("beyond 32 bits"), "1");
    EXPECT_EQ(read.itemText("键"), "42");
    EXPECT_EQ(read.child("nested").itemText("x"), "1");
    EXPECT_EQ(read.item("empty nested").kind(), AutomationVariant::Object);
    EXPECT_EQ(read.child("empty nested").count(), 0);
}

TEST_F(DictionaryTextTest, KeyTextDecidesTheText)
{
    Dictionary dict;
    dict.set("key", "value");
    EXPECT_EQ(dict.toText("PEMK"), dict.toText());
    EXPECT_EQ(dict.toText("tumbelix"), dict.toText("TumbeliX"));
    EXPECT_NE(dict.toText("tumbelix"), dict.toText());

    Dictionary read;
    read.fromText(dict.toText("tumbelix"));
    ASSERT_EQ(read.count(), 1);
    EXPECT_NE(read.keyAt(1), "key");
    EXPECT_NE(read.itemTextAt(1), "value");
}

TEST_F(DictionaryTextTest, EmptyFieldsAndLongKindsAreNotReadBack)
{
    Dictionary dict;
    dict.set("", "empty key");
    dict.set("empty text", "");
    dict.set("empty bytes", byteArray({}));
    dict.set("empty value", AutomationVariant());
    dict.set("kept", "1");
    Dictionary read;
    read.fromText(dict.toText());
    EXPECT_EQ(keysOf(read), QList<QByteArray>{"kept"});

    read.fromText("{" + entry("ten", "10", encodeText("v", "pemk")) + "," +
                  entry("minus", "-1", encodeText("v", "pemk")) + "}");
    EXPECT_EQ(read.count(), 0);
}

TEST_F(DictionaryTextTest, SecondLevelNestingComesApart)
{
    Dictionary inner;
    inner.set("d", "deep");
    Dictionary middle;
    middle.set("b", inner.dictObject());
    middle.set("c", "after");
    Dictionary outer;
    outer.set("a", middle.dictObject());

    Dictionary read;
    read.fromText(outer.toText());
    // The first "}" ends the middle text: the innermost key is lost and what follows it moves up.
    EXPECT_EQ(keysOf(read), (QList<QByteArray>{"a", "c"}));
    EXPECT_EQ(keysOf(read.child("a")), QList<QByteArray>{"d"});
    EXPECT_EQ(read.child("a").itemText("d"), "deep");
    EXPECT_EQ(read.itemText("c"), "after");
}

TEST_F(DictionaryTextTest, ReadsWhatItCanOfAnyText)
{
    const QByteArray v = encodeText("v", "pemk");
    const QByteArray w = encodeText("w", "pemk");
    const struct {
        const char *name;
        QByteArray text;
        QList<QByteArray> keys;
    } cases[] = {
        {"empty", "", {}},
        {"braces", "{}", {}},
        {"one brace", "}", {}},
        {"outer characters are not looked at", "x" + entry("k", "2", v) + "x", {"k"}},
        {"a later duplicate wins", "{" + entry("k", "2", v) + "," + entry("k", "2", w) + "}", {"k"}},
        {"junk between entries", "{,,zz:" + entry("k", "2", v) + ";;}", {"k"}},
        {"not hexadecimal", "{zz:2:zz}", {}},
        {"runs that never match",
         "{" + QByteArray(300'000, 'a') + ":10:" + QByteArray("a:1:{").repeated(50'000) + "}",
         {}},
    };
    for (const auto &c : cases) {
        Dictionary read;
        read.set("before", 1); // replaced, whatever is read
        read.fromText(c.text);
        EXPECT_EQ(keysOf(read), c.keys) << c.name;
    }
    Dictionary read;
    read.fromText("{" + entry("k", "2", v) + "," + entry("k", "2", w) + "}");
    EXPECT_EQ(read.itemText("k"), "w");
}

TEST_F(DictionaryTextTest, ReadingReplacesTheObjectOthersKeepTheirs)
{
    Dictionary dict;
    dict.set("old", 1);
    const Dictionary holder(dict);
    dict.fromText("{}");
    EXPECT_EQ(dict.count(), 0);
    EXPECT_EQ(holder.itemText("old"), "1");
}

TEST_F(DictionaryTextTest, SelfContainingDictionaryIsWrittenOnce)
{
    Dictionary dict;
    dict.set("self", dict.dictObject());
    EXPECT_EQ(dict.toText(), "{" + entry("self", "5", "{}") + "}");
    dict.removeAll(); // lets the object go
}

} // namespace
