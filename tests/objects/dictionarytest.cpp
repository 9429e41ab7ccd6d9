#include "objects/dictionary.h"

#include "objectstestsupport.h"
#include "platform/automation/comapartment.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

using DictionaryTest = ObjectsTest;

TEST_F(DictionaryTest, SetReplacesInPlaceOrAddsAtTheEnd)
{
    Dictionary dict;
    dict.set("b", 1);
    dict.set("a", 2);
    dict.add("b", 3); // present: nothing happens
    dict.set("b", 4);
    dict.set("c", 5);
    EXPECT_EQ(keysOf(dict), (QList<QByteArray>{"b", "a", "c"}));
    EXPECT_EQ(dict.itemText("b"), "4");
    EXPECT_EQ(dict.itemTextAt(3), "5");
    EXPECT_EQ(dict.items().arrayCount(), 3);

    EXPECT_TRUE(dict.remove("a"));
    EXPECT_FALSE(dict.remove("a"));
    EXPECT_FALSE(dict.exists("a"));
    EXPECT_EQ(keysOf(dict), (QList<QByteArray>{"b", "c"}));
    dict.removeAll();
    EXPECT_EQ(dict.count(), 0);
}

TEST_F(DictionaryTest, ValuesAsText)
{
    const QDate day(2020, 1, 1);
    const struct {
        const char *name;
        AutomationVariant value;
        QByteArray text;
    } cases[] = {
        {"true", true, "真"},
        {"false", false, "假"},
        {"fraction", 2.5, "2.5"},
        {"13 significant digits", 0.1 + 0.2, "0.3"},
        {"large", 1e20, "1e+20"},
        {"integer", 7, "7"},
        {"text", "中文", "中文"},
        {"bytes", byteArray(QByteArray("\x01\x02\xFF", 3)), "{1,2,255}"},
        {"no bytes", byteArray({}), "{}"},
        {"midnight", QDateTime(day, QTime(0, 0)), "2020年1月1日"},
        {"minutes", QDateTime(day, QTime(8, 30)), "2020年1月1日8时30分"},
        {"seconds", QDateTime(day, QTime(8, 0, 5)), "2020年1月1日8时0分5秒"},
        {"hour", QDateTime(day, QTime(8, 0)), "2020年1月1日8时"},
        {"object", Dictionary().dictObject(), ""},
        {"empty", AutomationVariant(), ""},
    };
    Dictionary dict;
    for (const auto &c : cases)
        dict.set(c.name, c.value);
    const AutomationVariant values = dict.items();
    int index = 0;
    for (const auto &c : cases) {
        EXPECT_EQ(dict.itemText(c.name), c.text) << c.name;
        EXPECT_EQ(Dictionary::elementText(values, ++index), c.text) << c.name;
    }
    EXPECT_EQ(Dictionary::elementText(values, 0), "");
}

TEST_F(DictionaryTest, ChildSharesThePresentNestedDictionaryOnly)
{
    Dictionary parent;
    Dictionary nested;
    parent.set("c", nested.dictObject());
    parent.child("c").set("x", 1);
    EXPECT_EQ(nested.itemText("x"), "1");

    const Dictionary absent = parent.child("missing");
    EXPECT_EQ(absent.count(), 0);
    EXPECT_FALSE(absent.dictObject().isEmpty());
    EXPECT_FALSE(parent.exists("missing"));
}

TEST_F(DictionaryTest, DumpNestsBlocksThreeSpacesFurther)
{
    Dictionary flat;
    flat.set("a", 1);
    flat.set("b", true);
    EXPECT_EQ(flat.dump(), "Array(\r\n  1.[a] => 1\r\n  2.[b] => 真\r\n)");

    Dictionary nested;
    nested.set("x", byteArray("\x01\x02\x03"));
    Dictionary parent;
    parent.set("a", "t");
    parent.set("b", 2.5);
    parent.set("c", nested.dictObject());
    EXPECT_EQ(parent.dump(), "Array(\r\n  1.[a] => t\r\n  2.[b] => 2.5\r\n"
                             "  3.[c] => Array(\r\n     1.[x] => {1,2,3}\r\n   )\r\n)");
    EXPECT_EQ(Dictionary().dump(2), "Array(\r\n  )");

    // A dictionary that holds itself is shown once, not followed for ever.
    nested.set("self", nested.dictObject());
    EXPECT_EQ(nested.dump(), "Array(\r\n  1.[x] => {1,2,3}\r\n  2.[self] => *RECURSION*\r\n)");
    nested.removeAll(); // lets the object go
}

TEST_F(DictionaryTest, FindValueSearchesTheValuesTexts)
{
    Dictionary dict;
    EXPECT_EQ(dict.findValue(""), 0);
    dict.set("object", Dictionary().dictObject());
    dict.set("empty", "");
    dict.set("text", "Hello 中文");
    dict.set("bool", true);
    EXPECT_EQ(dict.findValue(""), 3); // the first value with any text
    EXPECT_EQ(dict.findValue("中"), 3);
    EXPECT_EQ(dict.findValue("hello"), 0); // case matters
    EXPECT_EQ(dict.findValue("真"), 4);
    EXPECT_EQ(dict.findValue("\xB8\xAD"), 0); // never from the middle of a character
}

TEST_F(DictionaryTest, MissingObjectGivesZeroValues)
{
    Dictionary dict;
    dict.attach(AutomationObject());
    EXPECT_EQ(dict.count(), 0);
    EXPECT_EQ(dict.keys().arrayCount(), -1);
    EXPECT_EQ(dict.dump(), "Array(\r\n)");
    EXPECT_EQ(dict.findValue(""), 0);
    EXPECT_EQ(dict.toText(), "{}");
    EXPECT_TRUE(dict.sortByKey());
    EXPECT_EQ(dict.itemText("a"), "");
}

TEST_F(DictionaryTest, LongOperationsLetPendingEventsRun)
{
    Dictionary dict;
    dict.set("a", "1");
    const auto ranDuring = [&](auto operation) {
        bool ran = false;
        QMetaObject::invokeMethod(
            qApp, [&ran] { ran = true; }, Qt::QueuedConnection);
        operation();
        QCoreApplication::removePostedEvents(qApp); // when it did not run, it must not run later
        return ran;
    };
    EXPECT_TRUE(ranDuring([&] { dict.findValue("x"); }));
    EXPECT_TRUE(ranDuring([&] { dict.toText(); }));
    const QByteArray text = dict.toText();
    EXPECT_TRUE(ranDuring([&] { Dictionary().fromText(text); }));
    EXPECT_FALSE(ranDuring([&] { dict.dump(); }));
}

TEST_F(DictionaryTest, LeavesTheApartmentAsOftenAsItEntered)
{
    const int entered = ComApartment::initializeCount();
    const int left = ComApartment::uninitializeCount();
    {
        Dictionary dict; // the initialiser enters once
        dict.createDict(true);
        {
            const Dictionary copy(dict);
        }
        EXPECT_EQ(ComApartment::uninitializeCount(), left);
    }
    EXPECT_EQ(ComApartment::initializeCount(), entered + 2);
    EXPECT_EQ(ComApartment::uninitializeCount(), left + 2);
}

} // namespace
