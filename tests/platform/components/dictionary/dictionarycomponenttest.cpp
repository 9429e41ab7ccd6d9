#include "platform/components/dictionary/dictionarycomponent.h"

#include "platform/automation/automationobject.h"

#include <QPointer>

#include <gtest/gtest.h>

namespace {

// The component driven late-bound, as the wrapper drives it.
class DictionaryComponentTest : public testing::Test {
protected:
    void SetUp() override
    {
        registerDictionaryComponent();
        ASSERT_TRUE(dict.create("Scripting.Dictionary"));
    }

    QList<QByteArray> keys() const
    {
        const AutomationVariant keys = dict.callVariant("Keys");
        QList<QByteArray> texts;
        for (int i = 1; i <= keys.arrayCount(); ++i)
            texts.append(keys.asText(i));
        return texts;
    }

    AutomationObject dict;
};

TEST_F(DictionaryComponentTest, KeepsEntriesInInsertionOrder)
{
    dict.call("Add", {"b", 1});
    dict.call("Add", {"a", 2});
    EXPECT_FALSE(dict.callBool("Add", {"b", 3})); // present already: nothing changes
    EXPECT_TRUE(dict.write("Item", {"c"}, 4));    // absent: added at the end
    EXPECT_TRUE(dict.write("Item", {"b"}, 5));    // present: replaced in its place
    EXPECT_EQ(keys(), (QList<QByteArray>{"b", "a", "c"}));
    const AutomationVariant items = dict.callVariant("Items");
    EXPECT_EQ(items.arrayCount(), 3);
    EXPECT_EQ(items.asNumber(1), 5);
    EXPECT_EQ(items.asNumber(3), 4);

    EXPECT_TRUE(dict.callBool("Remove", {"b"}));
    EXPECT_FALSE(dict.callBool("Remove", {"b"}));
    dict.call("Add", {"b", 6});
    EXPECT_EQ(keys(), (QList<QByteArray>{"a", "c", "b"}));
    EXPECT_EQ(dict.readNumber("Count"), 3);

    dict.call("RemoveAll");
    EXPECT_EQ(dict.readNumber("Count"), 0);
    EXPECT_EQ(dict.callVariant("Keys").arrayCount(), 0);
}

TEST_F(DictionaryComponentTest, KeysMatchExactlyAndReadingAddsNothing)
{
    dict.call("Add", {"Key", "value"});
    EXPECT_TRUE(dict.readBool("Exists", {"Key"}));
    EXPECT_FALSE(dict.readBool("Exists", {"key"}));
    EXPECT_TRUE(dict.readVariant("Item", {"key"}).isEmpty());
    EXPECT_EQ(dict.readNumber("Count"), 1);
    EXPECT_EQ(dict.readText("Item", {"Key"}), "value");
}

TEST_F(DictionaryComponentTest, ValuesKeepTheirKinds)
{
    AutomationVariant bytes;
    bytes.assign(QByteArray("\x01\xFF", 2), AutomationVariant::Bytes::AsByteArray);
    const QDateTime date(QDate(2020, 1, 1), QTime(8, 30));
    dict.call("Add", {"bytes", bytes});
    dict.call("Add", {"bool", true});
    dict.call("Add", {"date", date});
    const AutomationVariant items = dict.callVariant("Items");
    EXPECT_EQ(items.asVariant(1).kind(), AutomationVariant::NumberArray);
    EXPECT_EQ(items.asVariant(1).asBytes(), QByteArray("\x01\xFF", 2));
    EXPECT_EQ(items.asVariant(2).kind(), AutomationVariant::Bool);
    EXPECT_EQ(items.asVariant(3).asDate(), date);
}

TEST_F(DictionaryComponentTest, AStoredObjectLivesAsLongAsItsEntry)
{
    AutomationObject nested;
    ASSERT_TRUE(nested.create("Scripting.Dictionary"));
    nested.call("Add", {"inner", 1});
    const QPointer<QObject> watched = nested.object();
    dict.call("Add", {"child", nested});
    nested.clear();

    ASSERT_FALSE(watched.isNull());
    EXPECT_EQ(dict.readVariant("Item", {"child"}).asObject().readNumber("Item", {"inner"}), 1);
    dict.call("Remove", {"child"});
    EXPECT_TRUE(watched.isNull());
}

} // namespace
