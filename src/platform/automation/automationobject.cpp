#include "platform/automation/automationobject.h"

#include "platform/automation/componentregistry.h"
#include "platform/automation/memberdispatch.h"
#include "platform/automation/variantconversion.h"

#include <QHash>
#include <QList>
#include <QObject>

namespace {

// Every object a handle owns. An owned object can come back from a member (one a component kept from an
// argument, or a component handing out itself); it then joins its owners instead of getting a second owner
// that would delete it again. Never destroyed: a handle in a global may let go after static destruction.
QHash<QObject *, std::weak_ptr<QObject>> &owners()
{
    static auto *const table = new QHash<QObject *, std::weak_ptr<QObject>>;
    return *table;
}

struct OwnerDeleter {
    void operator()(QObject *object) const
    {
        owners().remove(object);
        delete object;
    }
};

QObject *rootOf(QObject *object)
{
    while (object->parent())
        object = object->parent();
    return object;
}

MemberDispatch::Arguments argumentsOf(AutomationArgs args)
{
    return {args.begin(), args.size()};
}

void registerObjectConverter()
{
    QMetaType::registerConverter<AutomationObject, QObject *>(&AutomationObject::object);
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(registerObjectConverter)

AutomationObject::AutomationObject(std::shared_ptr<QObject> object)
    : m_object(std::move(object))
{
}

AutomationObject AutomationObject::adopt(QObject *object)
{
    if (!object)
        return {};
    if (auto owner = owners().value(object).lock())
        return AutomationObject(std::move(owner));
    std::shared_ptr<QObject> owned(object, OwnerDeleter());
    owners().insert(object, owned);
    return AutomationObject(std::move(owned));
}

AutomationObject AutomationObject::borrow(QObject *object)
{
    if (!object)
        return {};
    return AutomationObject(std::shared_ptr<QObject>(object, [](QObject *) {}));
}

AutomationObject AutomationObject::holdResult(QObject *object, const std::shared_ptr<QObject> &source)
{
    if (!object)
        return {};
    // A part keeps alive whatever owns the tree it belongs to, which need not be the component asked.
    if (auto owner = owners().value(rootOf(object)).lock())
        return AutomationObject(std::shared_ptr<QObject>(std::move(owner), object));
    if (!object->parent() && object != source.get())
        return adopt(object);
    return AutomationObject(std::shared_ptr<QObject>(source, object));
}

QVariant AutomationObject::holdResults(const QVariant &result, const std::shared_ptr<QObject> &source)
{
    if (result.metaType().flags() & QMetaType::PointerToQObject)
        return QVariant::fromValue(holdResult(VariantConversion::objectIn(result), source));
    if (result.metaType() == QMetaType::fromType<QObjectList>()) {
        QList<AutomationObject> held;
        for (QObject *object : *static_cast<const QObjectList *>(result.constData()))
            held.append(holdResult(object, source));
        return QVariant::fromValue(held);
    }
    if (result.metaType() == QMetaType::fromType<QVariantList>()) {
        QVariantList held;
        for (const QVariant &element : *static_cast<const QVariantList *>(result.constData()))
            held.append(holdResults(element, source));
        return held;
    }
    return result;
}

bool AutomationObject::create(QByteArrayView progId)
{
    AutomationObject created = adopt(ComponentRegistry::make(progId));
    if (created.isEmpty())
        return false;
    m_object = std::move(created.m_object);
    return true;
}

QByteArray AutomationObject::readText(QByteArrayView member, AutomationArgs args) const
{
    return readVariant(member, args).asText();
}

double AutomationObject::readNumber(QByteArrayView member, AutomationArgs args) const
{
    return readVariant(member, args).asNumber();
}

bool AutomationObject::readBool(QByteArrayView member, AutomationArgs args) const
{
    return readVariant(member, args).asBool();
}

AutomationObject AutomationObject::readObject(QByteArrayView member, AutomationArgs args) const
{
    return readVariant(member, args).asObject();
}

AutomationVariant AutomationObject::readVariant(QByteArrayView member, AutomationArgs args) const
{
    // The copy keeps the object alive should the member make someone let go of this handle.
    const std::shared_ptr<QObject> self = m_object;
    if (!self)
        return {};
    return AutomationVariant::fromQVariant(
        holdResults(MemberDispatch::read(self.get(), member, argumentsOf(args)), self));
}

bool AutomationObject::write(QByteArrayView member, const AutomationVariant &value) const
{
    return write(member, {}, value);
}

bool AutomationObject::write(QByteArrayView member, AutomationArgs indexes,
                             const AutomationVariant &value) const
{
    const std::shared_ptr<QObject> self = m_object;
    return self && MemberDispatch::write(self.get(), member, argumentsOf(indexes), value);
}

void AutomationObject::call(QByteArrayView member, AutomationArgs args) const
{
    callVariant(member, args);
}

QByteArray AutomationObject::callText(QByteArrayView member, AutomationArgs args) const
{
    return callVariant(member, args).asText();
}

double AutomationObject::callNumber(QByteArrayView member, AutomationArgs args) const
{
    return callVariant(member, args).asNumber();
}

bool AutomationObject::callBool(QByteArrayView member, AutomationArgs args) const
{
    return callVariant(member, args).asBool();
}

AutomationObject AutomationObject::callObject(QByteArrayView member, AutomationArgs args) const
{
    return callVariant(member, args).asObject();
}

AutomationVariant AutomationObject::callVariant(QByteArrayView member, AutomationArgs args) const
{
    return callVariant(member, argumentsOf(args));
}

AutomationVariant AutomationObject::callVariant(QByteArrayView member,
                                                std::span<const AutomationVariant> args) const
{
    const std::shared_ptr<QObject> self = m_object;
    if (!self)
        return {};
    return AutomationVariant::fromQVariant(holdResults(MemberDispatch::call(self.get(), member, args), self));
}

void AutomationObject::clear()
{
    m_object.reset();
}

bool AutomationObject::isEmpty() const
{
    return !m_object;
}
