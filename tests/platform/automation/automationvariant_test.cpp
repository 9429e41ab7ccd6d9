#include "platform/automation/automationobject.h"
#include "platform/automation/automationvariant.h"

#include <QDate>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

using Kind = AutomationVariant::Kind;

AutomationVariant wrap(const QVariant &value)
{
    return AutomationVariant::fromQVariant(value);
}

TEST(AutomationVariantTest, KindOfEachValue)
{
    const struct {
        const char *name;
        QVariant value;
        int kind;
    } cases[] = {
        {"empty", QVariant(), Kind::Empty},
        {"int", 1, Kind::Number},
        {"unsigned", 1u, Kind::Number},
        {"64-bit", qint64(1), Kind::Number},
        {"double", 2.5, Kind::Number},
        {"text", QString("a"), Kind::Text},
        {"bool", true, Kind::Bool},
        {"date and time", QDateTime(QDate(2020, 1, 1), QTime(8, 0)), Kind::Date},
        {"date", QDate(2020, 1, 1), Kind::Date},
        {"handle", QVariant::fromValue(AutomationObject()), Kind::Object},
        {"object pointer", QVariant::fromValue<QObject *>(nullptr), Kind::Object},
        {"error", QVariant::fromValue(AutomationError{5}), Kind::Error},
        {"bytes", QByteArray("ab"), Kind::NumberArray},
        {"doubles", QVariant::fromValue(QList<double>{1.5}), Kind::NumberArray},
        {"ints", QVariant::fromValue(QList<int>{1}), Kind::NumberArray},
        {"texts", QStringList{"a"}, Kind::TextArray},
        {"bools", QVariant::fromValue(QList<bool>{true}), Kind::BoolArray},
        {"dates and times", QVariant::fromValue(QList<QDateTime>{}), Kind::DateArray},
        {"dates", QVariant::fromValue(QList<QDate>{}), Kind::DateArray},
        {"object pointers", QVariant::fromValue(QObjectList{}), Kind::ObjectArray},
        {"handles", QVariant::fromValue(QList<AutomationObject>{}), Kind::ObjectArray},
        {"errors", QVariant::fromValue(QList<AutomationError>{}), Kind::ErrorArray},
        {"variants", QVariantList{1, "a"}, Kind::VariantArray},
        {"point", QPoint(1, 2), Kind::Other},
        {"url", QUrl("http://example.com"), Kind::Other},
    };
    for (const auto &c : cases)
        EXPECT_EQ(wrap(c.value).kind(), c.kind) << c.name;
}

TEST(AutomationVariantTest, AssignSetsKindAndValue)
{
    AutomationVariant value;
    EXPECT_TRUE(value.isEmpty());

    value.assign("歌");
    EXPECT_EQ(value.kind(), Kind::Text);
    EXPECT_EQ(value.asText(), "歌");

    const QByteArray bytes("\x01\xff", 2);
    value.assign(bytes, AutomationVariant::Bytes::AsByteArray);
    EXPECT_EQ(value.kind(), Kind::NumberArray);
    EXPECT_EQ(value.asBytes(), bytes);
    value.assign(bytes);
    EXPECT_EQ(value.kind(), Kind::Text);
    EXPECT_EQ(value.asBytes(), "");

    value.assign(qint64(1) << 40);
    EXPECT_EQ(value.asNumber(), double(qint64(1) << 40));
    value.assign(7);
    EXPECT_EQ(value.kind(), Kind::Number);
    value.assign(true);
    EXPECT_EQ(value.kind(), Kind::Bool);

    const QDateTime date(QDate(2020, 1, 2), QTime(8, 30));
    value.assign(date);
    EXPECT_EQ(value.kind(), Kind::Date);
    EXPECT_EQ(value.asDate(), date);

    const AutomationObject object = AutomationObject::adopt(new QObject);
    value.assign(object);
    EXPECT_EQ(value.kind(), Kind::Object);
    EXPECT_EQ(value.asObject().object(), object.object());

    value.clear();
    EXPECT_TRUE(value.isEmpty());
}

TEST(AutomationVariantTest, ScalarReadsConvertOrGiveZero)
{
    const struct {
        const char *name;
        AutomationVariant value;
        QByteArray text;
        double number;
        bool flag;
    } cases[] = {
        {"number", 2.5, "2.5", 2.5, true},
        {"zero", 0, "0", 0, false},
        {"numeric text", "37", "37", 37, true},
        {"word", "abc", "abc", 0, false},
        {"true text", "True", "True", 0, true},
        {"bool", true, "true", 1, true},
        {"empty", AutomationVariant(), "", 0, false},
        {"object", AutomationObject(), "", 0, false},
        {"error", wrap(QVariant::fromValue(AutomationError{5})), "", 0, false},
        {"whole array", wrap(QStringList{"37"}), "", 0, false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.value.asText(), c.text) << c.name;
        EXPECT_EQ(c.value.asNumber(), c.number) << c.name;
        EXPECT_EQ(c.value.asBool(), c.flag) << c.name;
    }
    EXPECT_EQ(AutomationVariant("2020-01-02T08:30:00").asDate(), QDateTime(QDate(2020, 1, 2), QTime(8, 30)));
    EXPECT_FALSE(AutomationVariant("soon").asDate().isValid());
}

TEST(AutomationVariantTest, ArrayElementsCountFromOne)
{
    const AutomationVariant bytes = wrap(QByteArray("\x01\xff", 2));
    EXPECT_EQ(bytes.arrayCount(), 2);
    EXPECT_EQ(bytes.asNumber(1), 1);
    EXPECT_EQ(bytes.asNumber(2), 255);
    EXPECT_EQ(bytes.asText(2), "255");

    const AutomationVariant texts = wrap(QStringList{"a", "b"});
    EXPECT_EQ(texts.arrayCount(), 2);
    EXPECT_EQ(texts.asText(1), "a");
    EXPECT_EQ(texts.asText(2), "b");
    for (int outOfRange : {3, -1})
        EXPECT_EQ(texts.asText(outOfRange), "") << outOfRange;
    EXPECT_EQ(texts.asBytes(), "");

    const AutomationVariant variants = wrap(QVariantList{1.5, "x", QVariantList{1, 2}});
    EXPECT_EQ(variants.asNumber(1), 1.5);
    EXPECT_EQ(variants.asVariant(2).kind(), Kind::Text);
    EXPECT_EQ(variants.asVariant(3).arrayCount(), 2);
    EXPECT_EQ(variants.asText(3), ""); // an array element is no scalar
    EXPECT_TRUE(variants.asVariant(4).isEmpty());
    EXPECT_EQ(variants.asVariant().arrayCount(), 3);

    const AutomationVariant dates = wrap(QVariant::fromValue(QList<QDate>{QDate(2020, 1, 2)}));
    EXPECT_EQ(dates.asDate(1), QDateTime(QDate(2020, 1, 2), QTime(0, 0)));

    const AutomationObject object = AutomationObject::adopt(new QObject);
    const AutomationVariant objects = wrap(QVariant::fromValue(QList<AutomationObject>{object}));
    EXPECT_EQ(objects.asObject(1).object(), object.object());
    EXPECT_TRUE(objects.asObject(2).isEmpty());
    EXPECT_TRUE(objects.asObject().isEmpty());

    const AutomationVariant scalar = 5;
    EXPECT_EQ(scalar.arrayCount(), -1);
    EXPECT_EQ(scalar.asNumber(1), 0);
    EXPECT_TRUE(scalar.asVariant(1).isEmpty());
}

} // namespace
