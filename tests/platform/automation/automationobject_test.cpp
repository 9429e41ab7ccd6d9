#include "testcomponent.h"

#include "platform/automation/automationobject.h"
#include "platform/automation/componentregistry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

#include <cmath>

#include <gtest/gtest.h>

namespace {

class AutomationObjectTest : public testing::Test {
protected:
    void SetUp() override
    {
        ComponentRegistry::add(TestComponent::ProgId, [] { return new TestComponent; });
        ASSERT_TRUE(handle.create(TestComponent::ProgId));
    }
    void TearDown() override { ComponentRegistry::remove(TestComponent::ProgId); }

    TestComponent *component() const { return qobject_cast<TestComponent *>(handle.object()); }
    void countDeletesOf(QObject *object)
    {
        QObject::connect(object, &QObject::destroyed, [this] { ++deleted; });
    }

    int deleted = 0; // declared before the handle, so it outlives the objects the handle lets go
    AutomationObject handle;
};

TEST_F(AutomationObjectTest, CreateReplacesTheHeldObjectOnlyOnSuccess)
{
    QObject *first = handle.object();
    countDeletesOf(first);

    EXPECT_FALSE(handle.create("No.Such.Component"));
    EXPECT_EQ(handle.object(), first);
    EXPECT_EQ(deleted, 0);

    EXPECT_TRUE(handle.create("quorin.testcomponent"));
    EXPECT_NE(handle.object(), first);
    EXPECT_NE(component(), nullptr);
    EXPECT_EQ(deleted, 1);

    handle.clear();
    EXPECT_TRUE(handle.isEmpty());
}

TEST_F(AutomationObjectTest, EmptyHandleGivesZeroValues)
{
    const AutomationObject empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.readText("Title"), "");
    EXPECT_EQ(empty.readNumber("Count"), 0);
    EXPECT_FALSE(empty.readBool("Mute"));
    EXPECT_TRUE(empty.readObject("Controls").isEmpty());
    EXPECT_TRUE(empty.readVariant("Count").isEmpty());
    EXPECT_EQ(empty.callText("getItemInfo", {"title"}), "");
    EXPECT_EQ(empty.callNumber("add", {1, 2}), 0);
    EXPECT_FALSE(empty.callBool("Mute"));
    EXPECT_TRUE(empty.callObject("self").isEmpty());
    EXPECT_TRUE(empty.callVariant("self").isEmpty());
    EXPECT_FALSE(empty.write("Count", 1));
    EXPECT_FALSE(empty.write("Option", {1}, 1));
}

TEST_F(AutomationObjectTest, MemberNamesMatchWithoutRegardToCase)
{
    component()->count = 5;
    for (const char *name : {"Count", "count", "COUNT", "cOuNt"})
        EXPECT_EQ(handle.readNumber(name), 5) << name;

    EXPECT_TRUE(handle.write("VOLUME", 0.5));
    EXPECT_EQ(component()->volume(), 0.5);
    handle.call("PING");
    EXPECT_EQ(component()->pings, 1);
}

TEST_F(AutomationObjectTest, ReadReachesMethodsAndCallReachesProperties)
{
    component()->title = "Song";
    EXPECT_EQ(handle.readText("getiteminfo", {"title"}), "Song");
    EXPECT_EQ(handle.readNumber("add", {2, 3}), 5);
    EXPECT_EQ(handle.callText("Title"), "Song");
    EXPECT_EQ(handle.callObject("controls").object(), component()->controls());
}

TEST_F(AutomationObjectTest, WrittenValuesConvertToTheDeclaredType)
{
    const struct {
        const char *member;
        AutomationVariant value;
        QByteArray readBack;
    } cases[] = {
        {"Count", "37", "37"},    {"Count", 2.0, "2"},        {"volume", "12.5", "12.5"},
        {"Mute", "true", "true"}, {"Mute", "FALSE", "false"}, {"Mute", "1", "true"},
        {"Mute", 0, "false"},     {"Title", 42, "42"},        {"Title", true, "true"},
        // The ends of each numeric range still fit.
        {"Count", "-2147483648", "-2147483648"}, {"Count", qint64(2147483647), "2147483647"},
        {"Count", 2147483647.4, "2147483647"},   {"Rate", "4294967295", "4294967295"},
        {"Rate", -0.4, "0"},                     {"Gain", "-3.5", "-3.5"},
    };
    for (const auto &c : cases) {
        EXPECT_TRUE(handle.write(c.member, c.value)) << c.member << " = " << c.readBack.constData();
        EXPECT_EQ(handle.readText(c.member), c.readBack) << c.member;
    }
}

TEST_F(AutomationObjectTest, ArgumentsConvertAndPickTheMethodByCount)
{
    EXPECT_EQ(handle.callNumber("add", {"2", "3"}), 5);
    EXPECT_EQ(handle.callNumber("add", {"2.5"}), 3.5); // the one-argument form moc makes for the default
    EXPECT_EQ(handle.callText("joinAll", {"a", "2", 3.5, "true", "e", 6, 7, 8, 9, 10, "k"}),
              "a,2,3.5,yes,e,6,7,8,9,10,k");
}

TEST_F(AutomationObjectTest, FailedWritesGiveFalseAndChangeNothing)
{
    const struct {
        const char *member;
        AutomationVariant value;
    } cases[] = {
        {"Count", "abc"},  {"Count", "12abc"}, {"Mute", "maybe"}, {"Mute", ""},
        {"Title", handle}, {"Controls", 1},    {"Missing", 1},    {"objectName", "x"},
        // Numbers that would wrap or overflow the member's type.
        {"Count", "99999999999"}, {"Count", qint64(1) << 40}, {"Count", 1e20}, {"Count", -2147483648.6},
        {"Count", 2147483647.5},  {"Count", std::nan("")},   {"Rate", -1},    {"Rate", "4294967296"},
        {"Rate", -0.6},           {"Gain", 1e300},           {"Gain", "1e39"},
    };
    for (const auto &c : cases)
        EXPECT_FALSE(handle.write(c.member, c.value)) << c.member << " = " << c.value.asText().constData();
    EXPECT_EQ(component()->count, 0);
    EXPECT_EQ(component()->rate, 0u);
    EXPECT_EQ(component()->gain, 0.0f);
    EXPECT_FALSE(component()->mute);
    EXPECT_TRUE(component()->title.isEmpty());
    EXPECT_TRUE(component()->objectName().isEmpty());
}

TEST_F(AutomationObjectTest, FailedReadsAndCallsGiveZeroValues)
{
    countDeletesOf(handle.object());
    EXPECT_EQ(handle.readText("Missing"), "");
    EXPECT_EQ(handle.readNumber("add", {1, 2, 3}), 0);
    EXPECT_EQ(handle.callNumber("add", {"abc"}), 0);
    EXPECT_EQ(handle.callNumber("add", {1, "99999999999"}), 0);
    EXPECT_EQ(handle.callNumber("levelOf", {handle}), 0); // the component is no TestPart
    EXPECT_EQ(handle.callText("joinAll", {"a", 2, 3, true, "e", 6, 7, 8, 9, 10, "k", 12}), "");
    EXPECT_TRUE(handle.callObject("Count").isEmpty());

    // QObject's own members are not the component's: deleteLater must not pull it from under its handles.
    handle.call("deleteLater");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(deleted, 0);
}

TEST_F(AutomationObjectTest, IndexedPropertyUsesGetterAndSetMethod)
{
    EXPECT_TRUE(handle.write("option", {3}, "x"));
    EXPECT_EQ(handle.readText("OPTION", {3}), "x");
    EXPECT_EQ(handle.readText("Option", {"3"}), "x");
    EXPECT_TRUE(handle.readVariant("Option", {4}).isEmpty());
    EXPECT_FALSE(handle.write("Option", {"three"}, 1));
    EXPECT_FALSE(handle.write("Option", "x")); // no property and no one-argument setter

    EXPECT_TRUE(handle.write("Label", "tag")); // a one-argument setter stands in for a property
    EXPECT_EQ(handle.readText("label"), "tag");
}

TEST_F(AutomationObjectTest, TextCrossesTheInterfaceAsUtf8)
{
    const QByteArray text = "欢迎进入Quorin";
    EXPECT_TRUE(handle.write("Title", text));
    EXPECT_EQ(component()->title, QString::fromUtf8(text));
    EXPECT_EQ(handle.readText("title"), text);
    EXPECT_EQ(handle.callText("getItemInfo", {"title"}), text);
}

TEST_F(AutomationObjectTest, PartKeepsItsComponentAlive)
{
    countDeletesOf(handle.object());
    AutomationObject controls = handle.readObject("Controls");
    handle.clear();
    EXPECT_EQ(deleted, 0);
    EXPECT_EQ(controls.readNumber("level"), 7);
    controls.clear();
    EXPECT_EQ(deleted, 1);
}

TEST_F(AutomationObjectTest, CopiesShareTheObjectUntilTheLastLetsGo)
{
    countDeletesOf(handle.object());
    AutomationObject copy = handle;
    AutomationObject self = handle.callObject("self"); // an owned object coming back joins its owners
    EXPECT_EQ(self.object(), handle.object());
    handle.clear();
    copy.clear();
    EXPECT_EQ(deleted, 0);
    self.clear();
    EXPECT_EQ(deleted, 1);
}

TEST_F(AutomationObjectTest, ParentlessResultIsAdopted)
{
    AutomationObject item = handle.callObject("makeItem");
    ASSERT_FALSE(item.isEmpty());
    countDeletesOf(item.object());
    handle.clear();
    EXPECT_EQ(item.readNumber("Level"), 7);
    item.clear();
    EXPECT_EQ(deleted, 1);
}

TEST_F(AutomationObjectTest, ObjectsInsideAListResultAreAdopted)
{
    AutomationVariant items = handle.readVariant("makeItems", {2});
    ASSERT_EQ(items.kind(), AutomationVariant::VariantArray);
    ASSERT_EQ(items.arrayCount(), 2);
    AutomationObject second = items.asObject(2);
    countDeletesOf(items.asObject(1).object());
    countDeletesOf(second.object());
    items.clear();
    EXPECT_EQ(deleted, 1);
    second.clear();
    EXPECT_EQ(deleted, 2);
}

TEST_F(AutomationObjectTest, AValueAComponentKeepsHoldsItsObject)
{
    AutomationObject item = handle.callObject("makeItem");
    QObject *kept = item.object();
    countDeletesOf(kept);
    EXPECT_TRUE(handle.write("Payload", item));
    item.clear();
    EXPECT_EQ(deleted, 0);
    AutomationObject back = handle.readObject("Payload");
    EXPECT_EQ(back.object(), kept);
    back.clear();
    handle.clear();
    EXPECT_EQ(deleted, 1);
}

TEST_F(AutomationObjectTest, OwnedObjectsComingBackJoinTheirOwners)
{
    AutomationObject item = handle.callObject("makeItem");
    countDeletesOf(item.object());
    EXPECT_TRUE(handle.write("Target", item));
    AutomationObject back = handle.readObject("Target");
    item.clear();
    EXPECT_EQ(deleted, 0);
    back.clear();
    EXPECT_EQ(deleted, 1);

    // A part of another component keeps that component alive, not the one that handed it out.
    AutomationObject other;
    ASSERT_TRUE(other.create(TestComponent::ProgId));
    countDeletesOf(other.object());
    AutomationObject controls = other.readObject("Controls");
    EXPECT_TRUE(handle.write("Target", controls));
    other.clear();
    AutomationObject part = handle.readObject("Target");
    controls.clear();
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(part.readNumber("Level"), 7);
    part.clear();
    EXPECT_EQ(deleted, 2);
}

TEST_F(AutomationObjectTest, ObjectsReachMembersAsQObjectPointers)
{
    const AutomationObject controls = handle.readObject("Controls");
    EXPECT_EQ(handle.callNumber("levelOf", {controls}), 7);
    EXPECT_EQ(handle.callNumber("levelOf", {AutomationObject()}), -1);
    EXPECT_EQ(handle.callNumber("levelIn", {controls}), 7); // a QVariant parameter gets the handle
}

TEST(AutomationObjectBorrow, BorrowedObjectIsNeverDeleted)
{
    TestPart part;
    QPointer<TestPart> watched(&part);
    AutomationObject borrowed = AutomationObject::borrow(&part);
    AutomationObject copy = borrowed;
    EXPECT_EQ(borrowed.readNumber("level"), 7);
    borrowed.clear();
    copy.clear();
    EXPECT_FALSE(watched.isNull());
    EXPECT_TRUE(AutomationObject::borrow(nullptr).isEmpty());
}

} // namespace
