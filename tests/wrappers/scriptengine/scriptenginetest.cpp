#include "wrappers/scriptengine.h"

#include "platform/automation/componentregistry.h"
#include "platform/components/scriptcontrol/scriptcontrolcomponent.h"

#include <QObject>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A control whose numeric members all read one settable number.
class NumberControl : public QObject {
    Q_OBJECT
    Q_PROPERTY(double state READ number)
    Q_PROPERTY(double sitehWnd READ number)
    Q_PROPERTY(double timeout READ number)

public:
    static constexpr char kProgId[] = "Quorin.Test.NumberControl";
    double number() const { return value; }
    double value = 0;
};

class ScriptEngineTest : public testing::Test {
protected:
    void SetUp() override
    {
        registerScriptControlComponent();
        ComponentRegistry::add(NumberControl::kProgId, [] { return new NumberControl; });
    }
};

TEST_F(ScriptEngineTest, MakesAScriptControlAndSetsJavaScript)
{
    ScriptEngine engine;
    ASSERT_NE(qobject_cast<ScriptControlComponent *>(engine.scriptObject().object()), nullptr);
    EXPECT_EQ(engine.language(), "");
    engine.setLanguage();
    EXPECT_EQ(engine.language(), "JavaScript");

    engine.addCode("function twice(x) { return 2 * x; }");
    const AutomationVariant arguments[] = {21};
    EXPECT_EQ(engine.run("twice", arguments).asNumber(), 42);
    EXPECT_EQ(engine.eval("twice(4)").asNumber(), 8);

    const ScriptEngine copy(engine);
    EXPECT_EQ(copy.scriptObject().object(), engine.scriptObject().object());
}

TEST_F(ScriptEngineTest, RunPassesAtMostTenArguments)
{
    ScriptEngine engine;
    engine.setLanguage();
    engine.executeStatement("function given() { return Array.prototype.join.call(arguments, ','); }");
    std::vector<AutomationVariant> twelve;
    for (int i = 1; i <= 12; ++i)
        twelve.emplace_back(i);
    const struct {
        size_t count;
        const char *expected;
    } cases[] = {
        {0, ""},
        {3, "1,2,3"},
        {12, "1,2,3,4,5,6,7,8,9,10"},
    };
    for (const auto &testCase : cases) {
        SCOPED_TRACE(testCase.count);
        const std::span<const AutomationVariant> arguments(twelve.data(), testCase.count);
        EXPECT_EQ(engine.run("given", arguments).asText(), testCase.expected);
        EXPECT_EQ(engine.error().readNumber("Number"), 0);
    }
}

TEST_F(ScriptEngineTest, IntegersAreTruncatedTowardZero)
{
    ScriptEngine engine;
    engine.createEngine(NumberControl::kProgId);
    auto *control = qobject_cast<NumberControl *>(engine.scriptObject().object());
    ASSERT_NE(control, nullptr);
    for (const double value : {2.9, -2.9}) {
        SCOPED_TRACE(value);
        control->value = value;
        const int expected = value > 0 ? 2 : -2;
        EXPECT_EQ(engine.state(), expected);
        EXPECT_EQ(engine.siteHwnd(), expected);
        EXPECT_EQ(engine.timeout(), expected);
    }
}

} // namespace

#include "scriptenginetest.moc"
