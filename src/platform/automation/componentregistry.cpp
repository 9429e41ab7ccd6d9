#include "platform/automation/componentregistry.h"

#include <QByteArray>
#include <QHash>

namespace {

QHash<QByteArray, ComponentRegistry::Factory> &factories()
{
    static QHash<QByteArray, ComponentRegistry::Factory> table;
    return table;
}

QByteArray keyOf(QByteArrayView progId)
{
    return progId.toByteArray().toLower();
}

} // namespace

void ComponentRegistry::add(QByteArrayView progId, Factory factory)
{
    factories().insert(keyOf(progId), std::move(factory));
}

void ComponentRegistry::remove(QByteArrayView progId)
{
    factories().remove(keyOf(progId));
}

QObject *ComponentRegistry::make(QByteArrayView progId)
{
    const auto found = factories().constFind(keyOf(progId));
    return found == factories().constEnd() ? nullptr : (*found)();
}
