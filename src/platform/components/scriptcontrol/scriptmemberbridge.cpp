#include "platform/components/scriptcontrol/scriptmemberbridge.h"

#include "platform/automation/memberdispatch.h"
#include "platform/components/scriptcontrol/scriptvalues.h"

#include <QMetaMethod>
#include <QMetaObject>
#include <QMetaProperty>

#include <vector>

namespace {

// The late-binding layer offers the members of the object's own classes, never QObject's.
bool hasProperty(const QObject *object, const QString &name)
{
    const QMetaObject *meta = object->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        if (name.compare(QLatin1String(meta->property(i).name()), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isOffered(const QMetaMethod &method)
{
    return method.methodType() != QMetaMethod::Signal && method.access() == QMetaMethod::Public;
}

bool hasMethod(const QObject *object, const QString &name)
{
    const QMetaObject *meta = object->metaObject();
    for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (isOffered(method) && name.compare(QLatin1String(method.name()), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

ScriptMemberBridge::ScriptMemberBridge(AutomationObject object, ScriptValues *values)
    : m_object(std::move(object))
    , m_values(values)
{
}

bool ScriptMemberBridge::isProperty(const QString &name) const
{
    return hasProperty(m_object.object(), name);
}

bool ScriptMemberBridge::isMethod(const QString &name) const
{
    return !isProperty(name) && hasMethod(m_object.object(), name);
}

QJSValue ScriptMemberBridge::read(const QString &name) const
{
    return m_values->toScript(m_object.readVariant(name.toUtf8()).toQVariant());
}

bool ScriptMemberBridge::write(const QString &name, const QJSValue &value) const
{
    return m_object.write(name.toUtf8(), AutomationVariant::fromQVariant(m_values->fromScript(value)));
}

QJSValue ScriptMemberBridge::call(const QString &name, const QJSValue &arguments) const
{
    std::vector<AutomationVariant> values;
    const quint32 count = arguments.property(QStringLiteral("length")).toUInt();
    // More than the layer passes fails the call anyway; no need to convert them all.
    for (quint32 i = 0; i < count && i <= quint32(MemberDispatch::MaxArguments); ++i)
        values.push_back(AutomationVariant::fromQVariant(m_values->fromScript(arguments.property(i))));
    return m_values->toScript(m_object.callVariant(name.toUtf8(), values).toQVariant());
}

QStringList ScriptMemberBridge::memberNames(const QObject *object)
{
    QStringList names;
    const QMetaObject *meta = object->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i)
        names.append(QLatin1String(meta->property(i).name()));
    for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (isOffered(method))
            names.append(QString::fromLatin1(method.name()));
    }
    names.removeDuplicates();
    return names;
}
