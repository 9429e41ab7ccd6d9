#include "platform/components/scriptcontrol/scriptsession.h"

#include "platform/components/scriptcontrol/scriptmemberbridge.h"
#include "platform/components/scriptcontrol/scriptvalues.h"
#include "platform/components/scriptcontrol/scriptwatchdog.h"

#include <QJSEngine>
#include <QJSValueIterator>

namespace {

// QJSValue::call gives a thrown value as if it had been returned; this tells the two apart. Only an
// interruption gets past the catch, and then the call gives the interruption's error.
constexpr char kInvoker[] = R"((function (f, args) {
    try { return [true, f.apply(undefined, args)]; } catch (e) { return [false, e]; }
}))";

// Each name becomes a global that reads and writes the same member of the proxy. A name the global object
// will not take (NaN, undefined) is left out.
constexpr char kMemberDefiner[] = R"((function (global, proxy, names) {
    for (var i = 0; i < names.length; ++i) {
        (function (name) {
            try {
                Object.defineProperty(global, name, {
                    get: function () { return proxy[name]; },
                    set: function (value) { proxy[name] = value; },
                    configurable: true
                });
            } catch (e) {
            }
        })(names[i]);
    }
}))";

ScriptError::Details controlError(ScriptError::Number number, const QString &description)
{
    return {number, description, QString::fromLatin1(ScriptError::kControlSource), 0, 0, {}};
}

struct Location {
    int line = 0;
    int column = 0;
};

// A stack trace entry reads "function:line:column:file"; a function's name may hold colons, the file
// (none is given) cannot.
Location locationIn(const QString &traceEntry)
{
    const QStringList fields = traceEntry.split(QLatin1Char(':'));
    if (fields.size() < 4)
        return {};
    return {std::max(fields.at(fields.size() - 3).toInt(), 0),
            std::max(fields.at(fields.size() - 2).toInt(), 0)};
}

} // namespace

// The engine and everything that refers into it, declared after it so that it goes last.
struct ScriptRuntime {
    ScriptRuntime()
        : values(&engine)
        , watchdog(&engine)
        , invoke(engine.evaluate(QLatin1String(kInvoker)))
        , defineMembers(engine.evaluate(QLatin1String(kMemberDefiner)))
        // Taken now, before any script can replace it.
        , describe(engine.globalObject()
                       .property(QStringLiteral("Object"))
                       .property(QStringLiteral("getOwnPropertyDescriptor")))
    {
        QJSValueIterator globals(engine.globalObject());
        while (globals.hasNext()) {
            globals.next();
            reserved.insert(globals.name());
        }
    }

    // The value of an own data property; undefined for a getter, which is not run.
    QJSValue ownValue(const QJSValue &object, const QString &name) const
    {
        const QJSValue descriptor = describe.call({object, name});
        return descriptor.hasOwnProperty(QStringLiteral("value"))
                   ? descriptor.property(QStringLiteral("value"))
                   : QJSValue();
    }

    ScriptError::Details exceptionDetails(const QJSValue &exception, Location at, const QString &code) const
    {
        const bool isSyntax =
            exception.isError() && exception.property(QStringLiteral("name")).toString() == "SyntaxError";
        if (at.line == 0 && exception.isError())
            at.line = std::max(exception.property(QStringLiteral("lineNumber")).toInt(), 0);
        QString text;
        if (at.line > 0)
            text = code.split(QLatin1Char('\n')).value(at.line - 1).trimmed();
        return {isSyntax ? ScriptError::SyntaxError : ScriptError::UncaughtException,
                exception.toString(),
                QString::fromLatin1(isSyntax ? ScriptError::kCompilationSource : ScriptError::kRuntimeSource),
                at.line,
                at.column,
                text};
    }

    ScriptSession::Result settle(const QJSValue &value, bool threw, Location at, const QString &code = {})
    {
        if (threw)
            return {{}, exceptionDetails(value, at, code)};
        return {values.fromScript(value), {}};
    }

    // For a property read or write, after which a getter or setter that threw leaves its exception pending.
    ScriptSession::Result settleAccess(const QJSValue &value = {})
    {
        if (engine.hasError())
            return settle(engine.catchError(), true, {});
        return settle(value, false, {});
    }

    QJSEngine engine;
    ScriptValues values;
    ScriptWatchdog watchdog;
    QJSValue invoke;
    QJSValue defineMembers;
    QJSValue describe;
    // Globals that are not procedures: the engine's own, and the added objects with their members.
    QSet<QString> reserved;
    QSet<QString> added;
};

ScriptSession::ScriptSession()
    : m_runtime(std::make_unique<ScriptRuntime>())
{
}

ScriptSession::~ScriptSession() = default;

bool ScriptSession::reset()
{
    if (isRunning())
        return false;
    m_runtime.reset();
    m_runtime = std::make_unique<ScriptRuntime>();
    return true;
}

template <typename Enter> ScriptSession::Result ScriptSession::enter(TimeLimit limit, Enter enterEngine)
{
    ScriptRuntime &runtime = *m_runtime;
    const bool outermost = m_depth == 0;
    if (outermost)
        runtime.watchdog.arm(limit);
    ++m_depth;
    Result result = enterEngine(runtime);
    --m_depth;
    const bool timedOut = outermost ? runtime.watchdog.disarm() : runtime.engine.isInterrupted();
    if (!timedOut)
        return result;
    const auto ms = limit.value_or(std::chrono::milliseconds(0)).count();
    return {{},
            controlError(ScriptError::TimedOut,
                         QStringLiteral("The script ran longer than its time-out of %1 ms").arg(ms))};
}

ScriptSession::Result ScriptSession::evaluate(const QString &code, TimeLimit limit)
{
    return enter(limit, [&](ScriptRuntime &runtime) {
        QStringList trace;
        const QJSValue value = runtime.engine.evaluate(code, QString(), 1, &trace);
        return runtime.settle(value, !trace.isEmpty(), locationIn(trace.value(0)), code);
    });
}

ScriptSession::Result ScriptSession::call(const QString &name, const QVariantList &arguments, TimeLimit limit)
{
    return enter(limit, [&](ScriptRuntime &runtime) -> Result {
        const QJSValue function = runtime.engine.globalObject().property(name);
        if (!function.isCallable()) {
            return {{},
                    controlError(ScriptError::UndefinedProcedure,
                                 QStringLiteral("'%1' is not a function of the script").arg(name))};
        }
        QJSValue scriptArguments = runtime.engine.newArray(uint(arguments.size()));
        for (qsizetype i = 0; i < arguments.size(); ++i)
            scriptArguments.setProperty(quint32(i), runtime.values.toScript(arguments.at(i)));
        const QJSValue outcome = runtime.invoke.call({function, scriptArguments});
        if (!outcome.isArray())
            return runtime.settle(outcome, true, {});
        return runtime.settle(outcome.property(1), !outcome.property(0).toBool(), {});
    });
}

ScriptSession::Result ScriptSession::addObject(const QString &name, const AutomationObject &object,
                                               bool addMembers, TimeLimit limit)
{
    if (name.isEmpty() || object.isEmpty())
        return {{}, controlError(ScriptError::InvalidArgument, QStringLiteral("An object needs a name"))};
    if (m_runtime->added.contains(name)) {
        return {{},
                controlError(ScriptError::NameInUse,
                             QStringLiteral("An object named '%1' was added already").arg(name))};
    }
    return enter(limit, [&](ScriptRuntime &runtime) -> Result {
        const QJSValue proxy = runtime.values.proxyFor(object);
        runtime.engine.globalObject().setProperty(name, proxy);
        runtime.added.insert(name);
        runtime.reserved.insert(name);
        if (addMembers) {
            const QStringList members = ScriptMemberBridge::memberNames(object.object());
            runtime.defineMembers.call(
                {runtime.engine.globalObject(), proxy, runtime.engine.toScriptValue(members)});
            for (const QString &member : members)
                runtime.reserved.insert(member);
        }
        return runtime.settleAccess();
    });
}

QList<ScriptSession::Procedure> ScriptSession::procedures() const
{
    const ScriptRuntime &runtime = *m_runtime;
    QList<Procedure> found;
    QJSValueIterator globals(runtime.engine.globalObject());
    while (globals.hasNext()) {
        globals.next();
        if (runtime.reserved.contains(globals.name()))
            continue;
        const QJSValue value = runtime.ownValue(runtime.engine.globalObject(), globals.name());
        if (!value.isCallable())
            continue;
        const QJSValue length = runtime.ownValue(value, QStringLiteral("length"));
        found.append({globals.name(), length.isNumber() ? length.toInt() : 0});
    }
    return found;
}

ScriptSession::Result ScriptSession::global(const QString &name, TimeLimit limit)
{
    return enter(limit, [&](ScriptRuntime &runtime) -> Result {
        return runtime.settleAccess(runtime.engine.globalObject().property(name));
    });
}

ScriptSession::Result ScriptSession::setGlobal(const QString &name, const QVariant &value, TimeLimit limit)
{
    return enter(limit, [&](ScriptRuntime &runtime) -> Result {
        runtime.engine.globalObject().setProperty(name, runtime.values.toScript(value));
        return runtime.settleAccess();
    });
}
