#include "platform/components/scriptcontrol/scriptvalues.h"

#include "platform/automation/automationvariant.h"
#include "platform/automation/variantconversion.h"
#include "platform/components/scriptcontrol/scriptmemberbridge.h"

#include <QJSEngine>

namespace {

// A proxy over an empty object whose traps ask the bridge; symbols (Symbol.toPrimitive and the like) are
// no members. A getOwnPropertyDescriptor trap is left out: with one, Object.keys throws in this engine.
constexpr char kProxyMaker[] = R"((function (bridge) {
    return new Proxy({}, {
        get: function (target, name) {
            if (typeof name !== 'string')
                return undefined;
            if (bridge.isProperty(name))
                return bridge.read(name);
            if (!bridge.isMethod(name))
                return undefined;
            return function () { return bridge.call(name, Array.prototype.slice.call(arguments)); };
        },
        set: function (target, name, value) {
            return typeof name === 'string' && bridge.write(name, value);
        },
        has: function (target, name) {
            return typeof name === 'string' && (bridge.isProperty(name) || bridge.isMethod(name));
        }
    });
}))";

} // namespace

ScriptValues::ScriptValues(QJSEngine *engine)
    : m_engine(engine)
    , m_makeProxy(engine->evaluate(QLatin1String(kProxyMaker)))
{
}

// Out of line: Crossed holds a ScriptMemberBridge, complete only here.
ScriptValues::~ScriptValues() = default;

QJSValue ScriptValues::toScript(const QVariant &value)
{
    if (VariantConversion::holdsObject(value)) {
        const AutomationObject object = AutomationVariant::fromQVariant(value).asObject();
        return object.isEmpty() ? QJSValue(QJSValue::NullValue) : proxyFor(object);
    }
    const AutomationVariant variant = AutomationVariant::fromQVariant(value);
    if (variant.isEmpty())
        return QJSValue(QJSValue::UndefinedValue);
    const int count = variant.arrayCount();
    if (count < 0)
        return m_engine->toScriptValue(value);
    QJSValue array = m_engine->newArray(uint(count));
    for (int i = 0; i < count; ++i)
        array.setProperty(quint32(i), toScript(variant.asVariant(i + 1).toQVariant()));
    return array;
}

QVariant ScriptValues::fromScript(const QJSValue &value, int depth) const
{
    if (value.isBool() || value.isNumber() || value.isString() || value.isDate())
        return value.toVariant();
    if (value.isArray()) {
        const QJSValue length = value.property(QStringLiteral("length"));
        const quint32 count = length.isNumber() ? length.toUInt() : 0;
        if (depth >= kMaxDepth || count > kMaxElements)
            return {};
        QVariantList elements;
        elements.reserve(count);
        for (quint32 i = 0; i < count; ++i)
            elements.append(fromScript(value.property(i), depth + 1));
        return elements;
    }
    for (const Crossed &crossed : m_crossed) {
        if (crossed.proxy.strictlyEquals(value))
            return QVariant::fromValue(crossed.object);
    }
    return {};
}

QJSValue ScriptValues::proxyFor(const AutomationObject &object)
{
    for (const Crossed &crossed : m_crossed) {
        if (crossed.object.object() == object.object())
            return crossed.proxy;
    }
    auto bridge = std::make_unique<ScriptMemberBridge>(object, this);
    // Owned here, not by the garbage collector: the proxy must keep working as long as we hand it out.
    QJSEngine::setObjectOwnership(bridge.get(), QJSEngine::CppOwnership);
    const QJSValue proxy = m_makeProxy.call({m_engine->newQObject(bridge.get())});
    m_crossed.push_back({object, std::move(bridge), proxy});
    return proxy;
}
