#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <list>

// The dictionary object created by ProgID "Scripting.Dictionary": text keys, compared exactly, mapped to
// values of any kind, kept in the order they were added. Lookups, additions and removals by key take
// constant time.
//
// A value holding an object handle keeps that object alive while it is stored, so a dictionary may hold
// another dictionary. Reading the Item of an absent key gives an empty value and adds nothing.
class DictionaryComponent : public QObject {
    Q_OBJECT
    Q_PROPERTY(int count READ count)

public:
    explicit DictionaryComponent(QObject *parent = nullptr);

    int count() const { return int(m_entries.size()); }

    // Adds the key after all others; false, changing nothing, when it is present already.
    Q_INVOKABLE bool add(const QString &key, const QVariant &item);
    Q_INVOKABLE QVariant item(const QString &key) const;
    // Replaces the value of a present key in its place, or adds an absent key after all others.
    Q_INVOKABLE void setItem(const QString &key, const QVariant &item);
    Q_INVOKABLE bool exists(const QString &key) const;
    // The keys and the values in the order of the entries.
    Q_INVOKABLE QVariantList keys() const;
    Q_INVOKABLE QVariantList items() const;
    // False when the key is absent.
    Q_INVOKABLE bool remove(const QString &key);
    Q_INVOKABLE void removeAll();

private:
    struct Entry {
        QString key;
        QVariant value;
    };
    using Entries = std::list<Entry>;

    Entries m_entries;
    QHash<QString, Entries::iterator> m_index;
};

// Makes "Scripting.Dictionary" creatable through the component registry.
void registerDictionaryComponent();
