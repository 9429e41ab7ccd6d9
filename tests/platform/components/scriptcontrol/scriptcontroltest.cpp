#include "platform/automation/automationobject.h"
#include "platform/components/scriptcontrol/scriptcontrolcomponent.h"
#include "platform/components/scriptcontrol/scripterror.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

namespace {

// An object for scripts to reach: a property, methods with arguments and results, and itself to hand out.
class Counter : public QObject {
    Q_OBJECT
    Q_PROPERTY(int total READ total WRITE setTotal)

public:
    int total() const { return m_total; }
    void setTotal(int total) { m_total = total; }
    Q_INVOKABLE int add(int a, int b)
    {
        m_total += a + b;
        return m_total;
    }
    Q_INVOKABLE QObject *self() { return this; }
    Q_INVOKABLE bool isSelf(QObject *other) const { return other == this; }

private:
    int m_total = 0;
};

class ScriptControlTest : public testing::Test {
protected:
    void SetUp() override
    {
        registerScriptControlComponent();
        ASSERT_TRUE(control.create("ScriptControl"));
        ASSERT_TRUE(control.write("Language", "JavaScript"));
    }

    AutomationObject error() const { return control.readObject("Error"); }
    int errorNumber() const { return int(error().readNumber("Number")); }

    AutomationObject control;
};

TEST_F(ScriptControlTest, FailuresGiveZeroValuesAndAnErrorUntilTheNextSuccess)
{
    const struct {
        const char *name;
        const char *code;
        int number;
        int line;
        const char *source;
        const char *description;
    } cases[] = {
        {"syntax error", "var a = 1;\nvar x = ;", ScriptError::SyntaxError, 2,
         ScriptError::kCompilationSource, "SyntaxError"},
        {"runtime error", "var a = 1;\n\nnull.x;", ScriptError::UncaughtException, 3,
         ScriptError::kRuntimeSource, "TypeError"},
        {"thrown text", "throw 'boom';", ScriptError::UncaughtException, 1, ScriptError::kRuntimeSource,
         "boom"},
    };
    for (const auto &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        EXPECT_TRUE(control.callVariant("Eval", {testCase.code}).isEmpty());
        const AutomationObject error = control.readObject("Error");
        EXPECT_EQ(error.readNumber("Number"), testCase.number);
        EXPECT_EQ(error.readNumber("Line"), testCase.line);
        EXPECT_EQ(error.readText("Source"), testCase.source);
        EXPECT_TRUE(error.readText("Description").contains(testCase.description))
            << error.readText("Description").constData();

        EXPECT_EQ(control.callVariant("Eval", {"6 * 7"}).asNumber(), 42);
        EXPECT_EQ(error.readNumber("Number"), 0);
        EXPECT_EQ(error.readText("Description"), "");
    }

    control.call("AddCode", {"function fails() { return undefined.x; }"});
    EXPECT_TRUE(control.callVariant("Run", {"fails"}).isEmpty());
    EXPECT_EQ(errorNumber(), ScriptError::UncaughtException);
    EXPECT_TRUE(control.callVariant("Run", {"noSuchFunction"}).isEmpty());
    EXPECT_EQ(errorNumber(), ScriptError::UndefinedProcedure);
}

TEST_F(ScriptControlTest, RefusesOtherLanguagesAndCodeWithoutOne)
{
    AutomationObject fresh;
    ASSERT_TRUE(fresh.create("ScriptControl"));
    EXPECT_EQ(fresh.readText("Language"), "");
    EXPECT_TRUE(fresh.callVariant("Eval", {"1"}).isEmpty());
    EXPECT_EQ(fresh.readObject("Error").readNumber("Number"), ScriptError::LanguageNotSet);

    fresh.write("Language", "VBScript");
    EXPECT_EQ(fresh.readText("Language"), "");
    EXPECT_EQ(fresh.readObject("Error").readNumber("Number"), ScriptError::UnsupportedLanguage);

    fresh.write("Language", "jscript");
    EXPECT_EQ(fresh.callVariant("Eval", {"1 + 1"}).asNumber(), 2);
}

TEST_F(ScriptControlTest, ARunawayScriptStopsAtTheTimeout)
{
    EXPECT_EQ(control.readNumber("Timeout"), ScriptControlComponent::kDefaultTimeoutMs);
    control.write("Timeout", 200);
    control.call("AddCode", {"function spin() { for (;;) { try { while (true) {} } catch (e) {} } }"});

    control.call("ExecuteStatement", {"while (true) {}"});
    EXPECT_EQ(errorNumber(), ScriptError::TimedOut);
    EXPECT_TRUE(control.callVariant("Run", {"spin"}).isEmpty()) << "a catch does not hold the interruption";
    EXPECT_EQ(errorNumber(), ScriptError::TimedOut);

    EXPECT_EQ(control.callVariant("Eval", {"1 + 1"}).asNumber(), 2) << "the engine runs again afterwards";
    EXPECT_EQ(errorNumber(), 0);
}

TEST_F(ScriptControlTest, AnAddedObjectIsReachedByNameBothWays)
{
    auto *counter = new Counter;
    const AutomationObject counterHandle = AutomationObject::adopt(counter);
    control.call("AddObject", {"counter", counterHandle});
    ASSERT_EQ(errorNumber(), 0);

    EXPECT_EQ(control.callVariant("Eval", {"counter.Total = 5; counter.ADD(2, 3)"}).asNumber(), 10);
    EXPECT_EQ(counter->total(), 10);
    EXPECT_EQ(control.callVariant("Eval", {"counter.total"}).asNumber(), 10);
    EXPECT_TRUE(control.callVariant("Eval", {"counter.isSelf(counter.self()) && counter.self() === counter"})
                    .asBool());
    EXPECT_TRUE(control.callVariant("Eval", {"'add' in counter && !('objectName' in counter)"}).asBool());
    EXPECT_TRUE(control.callVariant("Eval", {"counter.missing"}).isEmpty());
    EXPECT_EQ(control.callVariant("Eval", {"counter"}).asObject().object(), counter)
        << "the proxy comes out as the object";

    control.call("AddObject", {"counter", counterHandle});
    EXPECT_EQ(errorNumber(), ScriptError::NameInUse);

    auto *other = new Counter;
    control.call("AddObject", {"other", AutomationObject::adopt(other), true});
    EXPECT_EQ(control.callVariant("Eval", {"total = 4; add(1, 1)"}).asNumber(), 6) << "members as globals";
    EXPECT_EQ(other->total(), 6);

    control.call("Reset");
    EXPECT_TRUE(control.callVariant("Eval", {"typeof counter"}).asText() == "undefined");
}

TEST_F(ScriptControlTest, RunConvertsArgumentsAndResultsBothWays)
{
    control.call("AddCode", {"function echo(v) { return v; }\n"
                             "function type(v) { return Object.prototype.toString.call(v); }\n"
                             "function count() { return arguments.length; }"});
    const QDateTime date(QDate(2024, 2, 29), QTime(13, 45, 10));
    AutomationVariant texts;
    texts = AutomationVariant::fromQVariant(QStringList{"a", "b"});
    AutomationVariant bytes;
    bytes.assign("\x01\xff", AutomationVariant::Bytes::AsByteArray);
    const struct {
        const char *name;
        AutomationVariant value;
        const char *scriptType;
        int kindBack;
    } cases[] = {
        {"number", 2.5, "[object Number]", AutomationVariant::Number},
        {"integer", 7, "[object Number]", AutomationVariant::Number},
        {"text", "歌名", "[object String]", AutomationVariant::Text},
        {"bool", true, "[object Boolean]", AutomationVariant::Bool},
        {"date", date, "[object Date]", AutomationVariant::Date},
        {"empty", AutomationVariant(), "[object Undefined]", AutomationVariant::Empty},
        {"text array", texts, "[object Array]", AutomationVariant::VariantArray},
        {"byte array", bytes, "[object Array]", AutomationVariant::VariantArray},
    };
    for (const auto &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        EXPECT_EQ(control.callVariant("Run", {"type", testCase.value}).asText(), testCase.scriptType);
        const AutomationVariant back = control.callVariant("Run", {"echo", testCase.value});
        EXPECT_EQ(back.kind(), testCase.kindBack);
        if (testCase.value.arrayCount() < 0) {
            EXPECT_EQ(back.asText(), testCase.value.asText());
            continue;
        }
        ASSERT_EQ(back.arrayCount(), testCase.value.arrayCount());
        for (int i = 1; i <= back.arrayCount(); ++i)
            EXPECT_EQ(back.asText(i), testCase.value.asText(i));
    }
    EXPECT_EQ(control.callVariant("Run", {"count"}).asNumber(), 0);
    EXPECT_EQ(control.callVariant("Run", {"count", AutomationVariant(), AutomationVariant()}).asNumber(), 2)
        << "an empty argument given still counts";
}

TEST_F(ScriptControlTest, OffersTheGlobalModulesFunctionsAndValues)
{
    control.call("AddCode", {"function first(a, b) {}\nvar value = 3;\nfunction second() {}"});
    control.call("AddObject", {"counter", AutomationObject::adopt(new Counter), true});

    const AutomationObject procedures = control.readObject("Procedures");
    EXPECT_EQ(procedures.readNumber("Count"), 2) << "neither built-ins nor added objects are procedures";
    EXPECT_EQ(procedures.callObject("Item", {1}).readText("Name"), "first");
    EXPECT_EQ(procedures.callObject("Item", {1}).readNumber("NumArgs"), 2);
    EXPECT_EQ(procedures.callObject("Item", {"second"}).readText("Name"), "second");
    EXPECT_TRUE(procedures.callObject("Item", {3}).isEmpty());

    const AutomationObject code = control.readObject("CodeObject");
    EXPECT_EQ(code.readNumber("Item", {"value"}), 3);
    EXPECT_TRUE(code.write("Item", {"value"}, 8));
    EXPECT_EQ(control.callVariant("Eval", {"value"}).asNumber(), 8);

    const AutomationObject modules = control.readObject("Modules");
    EXPECT_EQ(modules.readNumber("Count"), 1);
    EXPECT_EQ(modules.callObject("Item", {"global"}).readObject("Procedures").readNumber("Count"), 2);
}

} // namespace

#include "scriptcontroltest.moc"
