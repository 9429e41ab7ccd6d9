#include "platform/automation/memberdispatch.h"

#include "platform/automation/variantconversion.h"

#include <QByteArray>
#include <QHash>
#include <QMetaMethod>
#include <QMetaObject>
#include <QMetaProperty>
#include <QObject>
#include <QVarLengthArray>

#include <optional>

namespace {

// The members of one class that share a lower-cased name: at most one property, and one method per
// argument count (moc emits one method per count for default arguments).
struct Members {
    struct Method {
        qsizetype argumentCount;
        int index;
    };
    int property = -1;
    QVarLengthArray<Method, 2> methods;

    int methodFor(qsizetype argumentCount) const
    {
        for (const Method &method : methods) {
            if (method.argumentCount == argumentCount)
                return method.index;
        }
        return -1;
    }
};

using MemberTable = QHash<QByteArray, Members>;

// Walks from the most derived class down, so a member a subclass declares again hides the base one.
MemberTable buildTable(const QMetaObject *meta)
{
    MemberTable table;
    for (int i = meta->propertyCount() - 1; i >= QObject::staticMetaObject.propertyCount(); --i) {
        Members &members = table[QByteArray(meta->property(i).name()).toLower()];
        if (members.property < 0)
            members.property = i;
    }
    for (int i = meta->methodCount() - 1; i >= QObject::staticMetaObject.methodCount(); --i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal || method.access() != QMetaMethod::Public)
            continue;
        Members &members = table[method.name().toLower()];
        if (members.methodFor(method.parameterCount()) < 0)
            members.methods.append({method.parameterCount(), i});
    }
    return table;
}

const Members *findMembers(const QObject *object, QByteArrayView name)
{
    // Meta-objects live as long as the program, so their tables are kept by address and built once.
    static QHash<const QMetaObject *, MemberTable> tables;
    const QMetaObject *meta = object->metaObject();
    auto table = tables.constFind(meta);
    if (table == tables.cend())
        table = tables.insert(meta, buildTable(meta));
    const auto found = table->constFind(name.toByteArray().toLower());
    return found == table->cend() ? nullptr : &*found;
}

int methodFor(const Members *members, qsizetype argumentCount)
{
    return members ? members->methodFor(argumentCount) : -1;
}

// Where the callee reads (or, for [0], writes) a value: a QVariant parameter takes the QVariant itself.
void *slotOf(QVariant &value, QMetaType declared)
{
    if (declared == QMetaType::fromType<QVariant>())
        return &value;
    return declared.id() == QMetaType::Void ? nullptr : value.data();
}

// Runs a method through qt_metacall with an argv of converted values: QMetaMethod::invoke stops at ten
// arguments, and the layer promises eleven.
std::optional<QVariant> invoke(QObject *object, int index, MemberDispatch::Arguments args)
{
    const auto count = qsizetype(args.size());
    if (index < 0 || count > MemberDispatch::MaxArguments)
        return std::nullopt;
    const QMetaMethod method = object->metaObject()->method(index);
    const QMetaType resultType = method.returnMetaType();
    if (!resultType.isValid())
        return std::nullopt;

    QVarLengthArray<QVariant, MemberDispatch::MaxArguments + 1> values(count + 1);
    if (resultType.id() != QMetaType::Void && resultType != QMetaType::fromType<QVariant>())
        values[0] = QVariant(resultType);
    for (qsizetype i = 0; i < count; ++i) {
        auto converted = VariantConversion::convertTo(args[i].toQVariant(), method.parameterMetaType(i));
        if (!converted)
            return std::nullopt;
        values[i + 1] = std::move(*converted);
    }
    // Pointers are taken only once every value is in place: a small value lives inside its QVariant.
    QVarLengthArray<void *, MemberDispatch::MaxArguments + 1> argv(values.size());
    argv[0] = slotOf(values[0], resultType);
    for (qsizetype i = 0; i < count; ++i)
        argv[i + 1] = slotOf(values[i + 1], method.parameterMetaType(i));

    QMetaObject::metacall(object, QMetaObject::InvokeMetaMethod, index, argv.data());
    return values[0];
}

QVariant readProperty(QObject *object, int index)
{
    const QMetaProperty property = object->metaObject()->property(index);
    return property.isReadable() ? property.read(object) : QVariant();
}

} // namespace

QVariant MemberDispatch::read(QObject *object, QByteArrayView member, Arguments args)
{
    const Members *members = findMembers(object, member);
    if (members && members->property >= 0 && args.empty())
        return readProperty(object, members->property);
    return invoke(object, methodFor(members, args.size()), args).value_or(QVariant());
}

QVariant MemberDispatch::call(QObject *object, QByteArrayView member, Arguments args)
{
    const Members *members = findMembers(object, member);
    const int method = methodFor(members, args.size());
    if (method < 0 && members && members->property >= 0 && args.empty())
        return readProperty(object, members->property);
    return invoke(object, method, args).value_or(QVariant());
}

bool MemberDispatch::write(QObject *object, QByteArrayView member, Arguments indexes,
                           const AutomationVariant &value)
{
    const Members *members = findMembers(object, member);
    if (members && members->property >= 0 && indexes.empty()) {
        const QMetaProperty property = object->metaObject()->property(members->property);
        if (property.isWritable()) {
            const auto converted = VariantConversion::convertTo(value.toQVariant(), property.metaType());
            return converted && property.write(object, *converted);
        }
    }
    QVarLengthArray<AutomationVariant, MaxArguments + 1> args(indexes.begin(), indexes.end());
    args.append(value);
    const Members *setters = findMembers(object, QByteArray("set").append(member));
    return invoke(object, methodFor(setters, args.size()), args).has_value();
}
