#include "platform/components/dictionary/dictionarycomponent.h"

#include "platform/automation/componentregistry.h"

DictionaryComponent::DictionaryComponent(QObject *parent)
    : QObject(parent)
{
}

bool DictionaryComponent::add(const QString &key, const QVariant &item)
{
    if (m_index.contains(key))
        return false;
    m_index.insert(key, m_entries.insert(m_entries.end(), {key, item}));
    return true;
}

QVariant DictionaryComponent::item(const QString &key) const
{
    const auto found = m_index.constFind(key);
    return found == m_index.cend() ? QVariant() : (*found)->value;
}

void DictionaryComponent::setItem(const QString &key, const QVariant &item)
{
    const auto found = m_index.constFind(key);
    if (found == m_index.cend())
        add(key, item);
    else
        (*found)->value = item;
}

bool DictionaryComponent::exists(const QString &key) const
{
    return m_index.contains(key);
}

QVariantList DictionaryComponent::keys() const
{
    QVariantList keys;
    keys.reserve(count());
    for (const Entry &entry : m_entries)
        keys.append(entry.key);
    return keys;
}

QVariantList DictionaryComponent::items() const
{
    QVariantList items;
    items.reserve(count());
    for (const Entry &entry : m_entries)
        items.append(entry.value);
    return items;
}

bool DictionaryComponent::remove(const QString &key)
{
    const auto found = m_index.constFind(key);
    if (found == m_index.cend())
        return false;
    m_entries.erase(*found);
    m_index.erase(found);
    return true;
}

void DictionaryComponent::removeAll()
{
    m_index.clear();
    m_entries.clear();
}

void registerDictionaryComponent()
{
    ComponentRegistry::add("Scripting.Dictionary", [] { return new DictionaryComponent; });
}
